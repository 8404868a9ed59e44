#include "command_flow_fixture.h"

#include "commands/position_commands.h"
#include "commands/sequencer_commands.h"
#include "commands/structure_commands.h"
#include "language/session.h"

#include <QCoreApplication>
#include <QThread>

namespace orvant::test {

void CommandFlowTest::SetUp() {
    SimLinkTest::SetUp();
    OpenLink();
    context = std::make_unique<CommandContext>(
        CommandContext{bench->session,
                       bench->op,
                       bench->link,
                       bench->setup,
                       nullptr,
                       nullptr,
                       [this] {
                           summary = QString::fromStdString(bench->session.AddressStatusText(true));
                           ++summaries;
                       },
                       {}});
    registry = std::make_unique<CommandRegistry>(bench->op);
    RegisterStructureCommands(*registry, *context);
    RegisterSequencerCommands(*registry, *context);
    RegisterPositionCommands(*registry, *context);
}

void CommandFlowTest::TearDown() {
    EXPECT_TRUE(bench->op.dialogs.empty()) << "scripted dialogs left over";
    registry.reset();
    context.reset();
    SimLinkTest::TearDown();
}

void CommandFlowTest::Run(const std::string& handler) {
    ASSERT_TRUE(registry->Run(handler)) << handler;
}

std::vector<std::string> CommandFlowTest::Sent(std::size_t count) {
    sim.WaitForLogSize(count, 2.0);
    sim.WaitForLogSize(count + 1, 0.15);
    return SimCommands();
}

void CommandFlowTest::Next(std::map<QString, QVariant> values, bool accept) {
    bench->op.dialogs.push_back(ScriptedOperator::fill(std::move(values), accept));
}

void CommandFlowTest::NextStep(std::function<bool(QDialog&)> step) {
    bench->op.dialogs.push_back(std::move(step));
}

int SelectedItem(QDialog& dialog, const char* name) {
    QObject* group = dialog.findChild<QObject*>(name);
    if (!group) {
        ADD_FAILURE() << "no control " << name << " in " << dialog.objectName().toStdString();
        return -2;
    }
    return group->property("currentIndex").toInt();
}

} // namespace orvant::test
