#include "motion/motion_commands.h"

#include "commands/command_context.h"
#include "commands/command_registry.h"
#include "motion/tmotion.h"

#include <QLineEdit>
#include <QMdiArea>

namespace orvant {

TMotion* MotionCalculator1Click(CommandContext& context) {
    QMdiArea* workspace = context.workspace;
    if (!workspace)
        return nullptr;
    auto* window = new TMotion(context.session, context.op);
    workspace->addSubWindow(window);
    window->setWindowIcon(workspace->window()->windowIcon());
    window->show();
    workspace->setActiveSubWindow(window);
    window->DEdit->setFocus();
    return window;
}

void RegisterMotionCommands(CommandRegistry& registry, CommandContext& context) {
    registry.Register("MotionCalculator1Click", [&context] { MotionCalculator1Click(context); });
}

} // namespace orvant
