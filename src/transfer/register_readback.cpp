#include "transfer/register_readback.h"

#include "link/controller_link.h"

#include <string>

namespace orvant {

std::optional<std::uint32_t> ReadRegisters(ControllerLink& link, int first, int count) {
    std::uint32_t value = 0;
    std::uint32_t weight = 1;
    for (int reg = first; reg < first + count; ++reg) {
        link.ReceiveBuffer().Clear();
        link.SendCommand("U" + std::to_string(reg));
        if (!link.WaitForReply(kRegisterReplySeconds))
            return std::nullopt;
        value += link.ReceiveBuffer().GetByte() * weight;
        weight *= 256;
    }
    return value;
}

} // namespace orvant
