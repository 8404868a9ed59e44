#include "motion/motion_commands.h"

#include "commands/command_context.h"
#include "commands/command_registry.h"
#include "motion/tmotion.h"

#include <QLineEdit>
#include <QMdiArea>

#include <algorithm>

namespace orvant {

TMotion* MotionCalculator1Click(CommandContext& context) {
    QMdiArea* workspace = context.workspace;
    if (!workspace)
        return nullptr;
    auto* window = new TMotion(context.session, context.op);
    workspace->addSubWindow(window);
    window->setWindowIcon(workspace->window()->windowIcon());
    window->show();
    // Within the workspace, so that the fields are never out of reach.
    const QSize room = workspace->viewport()->size();
    window->resize(window->size().boundedTo(room).expandedTo(window->minimumSizeHint()));
    window->move(std::clamp(window->x(), 0, std::max(0, room.width() - window->width())),
                 std::clamp(window->y(), 0, std::max(0, room.height() - window->height())));
    workspace->setActiveSubWindow(window);
    window->DEdit->setFocus();
    return window;
}

void RegisterMotionCommands(CommandRegistry& registry, CommandContext& context) {
    registry.Register("MotionCalculator1Click", [&context] { MotionCalculator1Click(context); });
}

} // namespace orvant
