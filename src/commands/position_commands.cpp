#include "commands/position_commands.h"

#include "commands/command_context.h"
#include "commands/command_registry.h"
#include "commands/tposicion_dlg.h"
#include "commands/typed_line.h"
#include "language/position_conversion.h"
#include "language/session.h"
#include "link/operator.h"
#include "widgets/masked_edit.h"

#include <array>

namespace orvant {

namespace {

struct PositionCaller {
    const char* handler;
    int helpContext;
    const char* title;
    char letter;
};

constexpr std::array<PositionCaller, 4> kCallers = {{
    {"Equal1Click", 10605, "  Equal Dialog", '='},
    {"Backward1Click", 10606, "  Backward Dialog", 'B'},
    {"Forward1Click", 10608, "  Forward Dialog", 'F'},
    {"GoAbsolute1Click", 10609, "  Go Absolute Dialog", 'G'},
}};

} // namespace

void PositionCommand(CommandContext& context, char letter, const std::string& title,
                     int helpContext) {
    Session& session = context.session;
    const AddressRecord& record = session.CurrentRecord();
    if (!PositionSettingsKnown(record.M, record.R)) {
        context.op.showBox(BoxKind::Error, kPositionNotInitMessage);
        return;
    }
    for (;;) {
        bool accepted = false;
        std::int32_t result = 0;
        {
            TPosicionDlg dialog(context.op, record.M, record.R, context.dialogParent);
            dialog.setProperty("helpContext", helpContext);
            dialog.setWindowTitle(QString::fromLatin1(title.c_str()));
            dialog.SetKind(session.PositionChoice);
            dialog.Edit->setText(QString::fromLatin1(session.PositionText.c_str()));
            accepted = context.op.runDialog(dialog);
            session.PositionChoice = dialog.Kind();
            session.PositionText = dialog.Edit->text().toLatin1().toStdString();
            result = dialog.Result();
        }
        if (!accepted)
            return;
        if (SendTypedLine(context, PositionLine(letter, result)).sent())
            return;
    }
}

void RegisterPositionCommands(CommandRegistry& registry, CommandContext& context) {
    for (const PositionCaller& caller : kCallers)
        registry.Register(caller.handler, [&context, &caller] {
            PositionCommand(context, caller.letter, caller.title, caller.helpContext);
        });
}

} // namespace orvant
