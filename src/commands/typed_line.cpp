#include "commands/typed_line.h"

#include "commands/command_context.h"
#include "language/command_checker.h"
#include "language/command_errors.h"
#include "link/controller_link.h"
#include "link/operator.h"

#include <QString>

namespace orvant {

void ShowCommandError(Operator& op, std::uint16_t code) {
    op.playSound(Sound::CriticalStop);
    const std::string_view message = CommandErrorMessage(code);
    if (!message.empty())
        op.showBox(BoxKind::Error,
                   QString::fromLatin1(message.data(), static_cast<qsizetype>(message.size())));
}

TypedLineResult SendTypedLine(CommandContext& context, std::string line) {
    TypedLineResult result;
    result.code = CheckCommandLine(line, context.session);
    result.line = std::move(line);
    if (result.code == 0)
        context.link.SendCommand(result.line);
    else
        ShowCommandError(context.op, result.code);
    return result;
}

} // namespace orvant
