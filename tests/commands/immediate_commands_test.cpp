// The fixed lines of the Program, Move and Configuration menus, from menu item to wire.

#include "commands/immediate_commands.h"
#include "commands_fixture.h"

#include <QApplication>

namespace orvant::test {
namespace {

using ImmediateCommandsTest = CommandsTest;

TEST_F(ImmediateCommandsTest, EachMenuItemSendsItsFixedLineWithoutADialog) {
    const struct {
        const char* handler;
        const char* line;
    } kLines[] = {
        // Reset: the simulator takes a line at its carriage return, so this is one backslash
        // followed by the terminator.
        {"EndofLoop1Click", "E"},      {"Disable1Click", "["},     {"Enable1Click", "]"},
        {"EndOfSubrutine1Click", "."}, {"Kill1Click", "K"},        {"ClearKill1Click", "C75"},
        {"Direct1Click", "D"},         {"GoPositive1Click", "G+"}, {"GoNegative1Click", "G-"},
        {"Home1Click", "H"},           {"Run1Click", "R"},         {"Reset2Click", "\\"},
        {"Reset1Click", "_"},
    };
    EXPECT_EQ(ImmediateCommands().size(), std::size(kLines));
    for (const auto& c : kLines) {
        SCOPED_TRACE(c.handler);
        Choose(c.handler);
        EXPECT_EQ(Wire(1), std::vector<std::string>{c.line});
    }
    EXPECT_TRUE(op.events.isEmpty()) << op.events.join('|').toStdString();
}

TEST_F(ImmediateCommandsTest, ShortcutsKillRunAndReset) {
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QTest::keyClick(form.get(), Qt::Key_F12);
    QTest::keyClick(form.get(), Qt::Key_F9);
    QTest::keyClick(form.get(), Qt::Key_F2, Qt::ControlModifier);
    EXPECT_EQ(Wire(3), (std::vector<std::string>{"K", "R", "\\"}));
}

} // namespace
} // namespace orvant::test
