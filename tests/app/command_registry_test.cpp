// One command at a time: while a menu command runs (its dialogs, its waits, the serial setup
// at start-up), every other menu item and toolbar button is refused with the default beep.

#include "commands/command_registry.h"
#include "link/controller_link.h"
#include "workspace/workbench_link.h"
#include "workspace_fixture.h"

#include <QAction>
#include <QTimer>
#include <QToolButton>

#include <stdexcept>

namespace orvant::test {
namespace {

TEST(CommandRegistryTest, ANameIsRegisteredOnceAndRunsItsHandler) {
    ScriptedOperator op;
    CommandRegistry registry(op);
    int runs = 0;
    registry.Register("Kill1Click", [&] { ++runs; });
    EXPECT_THROW(registry.Register("Kill1Click", [] {}), std::logic_error);
    EXPECT_THROW(registry.Register("Home1Click", nullptr), std::logic_error);
    EXPECT_TRUE(registry.Run("Kill1Click"));
    EXPECT_FALSE(registry.Run("Home1Click"));
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(op.events.isEmpty());
}

TEST(CommandRegistryTest, ACommandStartedInsideAnotherIsRefusedWithTheDefaultBeep) {
    ScriptedOperator op;
    CommandRegistry registry(op);
    QStringList ran;
    registry.Register("Kill1Click", [&] { ran << "kill"; });
    registry.Register("Home1Click", [&] {
        ran << "home";
        EXPECT_TRUE(registry.Busy());
        EXPECT_FALSE(registry.Run("Kill1Click"));
        EXPECT_FALSE(registry.RunExclusive([&] { ran << "slot"; }));
    });
    EXPECT_TRUE(registry.Run("Home1Click"));
    EXPECT_FALSE(registry.Busy());
    EXPECT_TRUE(registry.Run("Kill1Click")) << "the guard is released when the command ends";
    EXPECT_EQ(ran, (QStringList{"home", "kill"}));
    EXPECT_EQ(op.events, (QStringList{"Sound: Default", "Sound: Default"}));
}

// The main window with its link (no port opened), for commands that wait on the link.
class CommandGuardTest : public MainFormFixture {
protected:
    void SetUp() override {
        MainFormFixture::SetUp();
        link = std::make_unique<WorkbenchLink>(session, op, *form);
    }
    void TearDown() override {
        link.reset();
        MainFormFixture::TearDown();
    }
    std::unique_ptr<WorkbenchLink> link;
};

TEST_F(CommandGuardTest, MenuItemsAndButtonsAreRefusedDuringAWaitForAReply) {
    QStringList ran;
    form->Commands().Register("Upload1Click", [&] {
        ran << "upload";
        // The operator clicks around while the command waits for the controller.
        QTimer::singleShot(20, form.get(), [&] {
            form->Action("Velocity1")->trigger();
            form->Button("SpeedButton1")->click();
            form->Action("WindowTileItem")->trigger(); // a slot of the main window
        });
        EXPECT_FALSE(link->Link().WaitForReply(0.3));
    });
    form->Commands().Register("Velocity1Click", [&] { ran << "velocity"; });
    form->Commands().Register("SetSerialClick", [&] { ran << "serial"; });
    form->LayoutMode = 2;

    form->Action("Upload1")->trigger();
    EXPECT_EQ(ran, QStringList{"upload"});
    EXPECT_EQ(op.events, (QStringList{"Sound: Default", "Sound: Default", "Sound: Default"}));
    EXPECT_EQ(form->LayoutMode, 2) << "Tile did not run";

    form->Action("Velocity1")->trigger();
    EXPECT_EQ(ran, (QStringList{"upload", "velocity"}));
}

TEST_F(CommandGuardTest, TheStartUpSerialSetupHoldsOffTheSerialButton) {
    ASSERT_TRUE(form->close()); // writes a state file with AutoInit set
    QStringList ran;
    form->Commands().Register("SetSerialClick", [&] { ran << "serial"; });
    form->serialInitHook = [&] {
        ran << "init";
        form->Button("SpeedButton1")->click();
    };
    form->LoadConfig();
    EXPECT_EQ(ran, QStringList{"init"});
    EXPECT_EQ(op.events.filter("Sound: Default").size(), 1) << op.events.join('|').toStdString();
}

} // namespace
} // namespace orvant::test
