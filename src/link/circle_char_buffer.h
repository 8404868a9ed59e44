#pragma once
// The 256-byte receive ring. Read and write indices are 8 bits wide and wrap on their own;
// the ring is empty exactly when they are equal. There is deliberately no full check:
// storing 256 bytes without taking any makes the ring look empty again, and unread bytes
// are overwritten by newer ones. Replies are one byte per request and callers clear the
// ring before each awaited request, so only the most recent bytes ever matter.

#include <array>
#include <cstdint>

namespace orvant {

class TCircleCharBuffer {
public:
    void Clear();
    bool IsEmpty() const { return readIndex_ == writeIndex_; }
    // The oldest unread byte, or 0 when the ring is empty.
    std::uint8_t GetByte();
    void PutByte(std::uint8_t b);
    void PutBlock(const char* data, int count);

private:
    std::array<std::uint8_t, 256> storage_{};
    std::uint8_t readIndex_ = 0;
    std::uint8_t writeIndex_ = 0;
};

} // namespace orvant
