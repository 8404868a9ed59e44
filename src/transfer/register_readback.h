#pragma once
// Reading the controller's byte registers: "U" and the register number, one byte back
// within 0.7 s.

#include <cstdint>
#include <optional>

namespace orvant {

class ControllerLink;

inline constexpr double kRegisterReplySeconds = 0.7;

// Reads `count` registers from `first` on, least significant first (value = sum of
// byte × 256^k). Stops at the first register that brings no byte: the later ones are not
// requested and the result is empty.
std::optional<std::uint32_t> ReadRegisters(ControllerLink& link, int first, int count);

} // namespace orvant
