#include "circle_char_buffer.h"

namespace orvant {

void TCircleCharBuffer::Clear() {
    readIndex_ = 0;
    writeIndex_ = 0;
}

std::uint8_t TCircleCharBuffer::GetByte() {
    if (IsEmpty())
        return 0;
    return storage_[readIndex_++];
}

void TCircleCharBuffer::PutByte(std::uint8_t b) {
    storage_[writeIndex_++] = b;
}

void TCircleCharBuffer::PutBlock(const char* data, int count) {
    for (int i = 0; i < count; ++i)
        PutByte(static_cast<std::uint8_t>(data[i]));
}

} // namespace orvant
