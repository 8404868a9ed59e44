#include "realmove/realmove_commands.h"

#include "commands/command_context.h"
#include "commands/command_registry.h"
#include "link/operator.h"
#include "realmove/trealmove_dlg.h"

namespace orvant {

void RealMove1Click(CommandContext& context) {
    {
        TRealMoveDlg panel(context.session, context.op, context.link, context.dialogParent);
        context.op.runDialog(panel);
    }
    context.op.playSound(Sound::Default);
}

void RegisterRealMoveCommands(CommandRegistry& registry, CommandContext& context) {
    registry.Register("RealMove1Click", [&context] { RealMove1Click(context); });
}

} // namespace orvant
