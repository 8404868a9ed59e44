#pragma once
// The one path for lines the operator typed or built in a dialog: check, refuse with the
// checker's message, or send the line as the checker rewrote it.

#include <cstdint>
#include <string>

namespace orvant {

class ControllerLink;
class Operator;
class Session;
struct CommandContext;

// The critical-stop alert, then the error box with the message for checker codes 1 to 6;
// for any other code only the alert sounds.
void ShowCommandError(Operator& op, std::uint16_t code);

struct TypedLineResult {
    std::uint16_t code = 0; // the checker's result
    std::string line;       // the line as the checker left it
    bool sent() const { return code == 0; }
};

// Checks `line` with the session; result 0 sends the rewritten line, any other result shows
// ShowCommandError and sends nothing.
TypedLineResult SendTypedLine(CommandContext& context, std::string line);

} // namespace orvant
