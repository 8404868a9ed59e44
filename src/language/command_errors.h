#pragma once
// The operator's messages for the command checker's result codes.

#include <cstdint>
#include <string_view>

namespace orvant {

// Message shown for a checker result code 1 to 6 ("\r" is a line break); empty for every
// other code (0 needs no message, and other codes only sound the alert).
std::string_view CommandErrorMessage(std::uint16_t code);

} // namespace orvant
