#include "command_errors.h"

namespace orvant {

std::string_view CommandErrorMessage(std::uint16_t code) {
    switch (code) {
    case 1:
    case 5:
        return "Number Out Of Range";
    case 2:
        return "Syntax Error";
    case 3:
        return "Command unknown";
    case 4:
        return "No Answer";
    case 6:
        return "Entered Number is not integer multiply of user step !\r";
    default:
        return {};
    }
}

} // namespace orvant
