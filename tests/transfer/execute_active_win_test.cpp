// "Execute Active Win": the check without its success box, then every line as the checker
// leaves it, with the refusals, the progress dialog and the faults that end a download.

#include "transfer/tdownload_progress_dlg.h"
#include "transfer_fixture.h"
#include "workspace/trace_view.h"
#include "workspace/ttrace_win.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>

namespace orvant::test {
namespace {

// Blank and comment lines, leading blanks, lower case, a trailing comment, and line 7 (Q4)
// that passes the check with the microstep unknown but is refused in the sending pass,
// because the check left M = 1 from line 8.
const std::vector<std::string> kMixedScript = {
    "  v1500 ; fast", "", "; only a comment", "a64", "\tk", "F400", "q4", "M1", "  R  ",
};

using ExecuteActiveWinTest = TransferTest;

TEST_F(ExecuteActiveWinTest, SendsEveryLineAsTheCheckerLeavesItAndReportsRefusals) {
    OpenLink();
    NewDocument(kMixedScript);
    form->Action("ExecuteActiveWin1")->trigger();
    ASSERT_TRUE(sim.WaitForLogSize(6, 5.0));
    EXPECT_EQ(SimCommands(), (std::vector<std::string>{"V1500", "A64", "K", "F400", "M1", "R"}));
    EXPECT_EQ(op.events,
              (QStringList{"Sound: CriticalStop", "Error: Line     7\rq4\r\rNumber Out Of Range"}));
}

TEST_F(ExecuteActiveWinTest, CtrlF9AndTheRunButtonAreBound) {
    EXPECT_EQ(form->Action("ExecuteActiveWin1")->shortcut(), QKeySequence("Ctrl+F9"));
    OpenLink();
    NewDocument({"K"});
    auto* button = form->findChild<QAbstractButton*>("RunBtn");
    ASSERT_NE(button, nullptr);
    button->click();
    ASSERT_TRUE(sim.WaitForLogSize(1, 2.0));
    EXPECT_EQ(SimCommands(), std::vector<std::string>{"K"});
}

TEST_F(ExecuteActiveWinTest, DoesNothingWithTheTraceWindowActive) {
    OpenLink();
    NewDocument({"K"});
    form->TraceWin()->Trace1Click();
    EXPECT_TRUE(Run("ExecuteActiveWin1Click"));
    EXPECT_TRUE(op.events.isEmpty());
    EXPECT_FALSE(sim.WaitForLogSize(1, 0.2));
}

TEST_F(ExecuteActiveWinTest, AFailingCheckSendsNothing) {
    OpenLink();
    NewDocument({"K", "V99999999"});
    EXPECT_TRUE(Run("ExecuteActiveWin1Click"));
    EXPECT_TRUE(op.events.contains("Sound: CriticalStop"));
    EXPECT_FALSE(sim.WaitForLogSize(1, 0.2));
}

TEST_F(ExecuteActiveWinTest, BlankAndCommentLinesOnlySendNothing) {
    OpenLink();
    NewDocument({"", "; nothing", "   ", "\t; here"});
    EXPECT_TRUE(Run("ExecuteActiveWin1Click"));
    EXPECT_TRUE(op.events.isEmpty());
    EXPECT_FALSE(sim.WaitForLogSize(1, 0.2));
}

TEST_F(ExecuteActiveWinTest, AClosedPortEndsTheDownloadAfterTheFirstSetup) {
    NewDocument({"K", "V1000", "R"});
    op.dialogs.push_back(ScriptedOperator::press(false)); // the operator cancels the setup
    EXPECT_TRUE(Run("ExecuteActiveWin1Click"));
    EXPECT_EQ(op.events, (QStringList{"Warning: COM port not initiated.\rPlease set Serial "
                                      "Setup Values",
                                      "Dialog: TSetSerialDlg"}));
    EXPECT_TRUE(sim.Log().empty());
}

TEST_F(ExecuteActiveWinTest, AVanishedDeviceStopsTheDownloadWithTheLineAndTheReason) {
    OpenLink();
    NewDocument({"; first", "K", "R"});
    sim.Stop(); // the adapter is unplugged
    EXPECT_TRUE(Run("ExecuteActiveWin1Click"));
    ASSERT_EQ(op.events.size(), 2) << op.events.join("|").toStdString();
    EXPECT_EQ(op.events[0], "Sound: CriticalStop");
    EXPECT_TRUE(op.events[1].startsWith("Error: Download stopped: Line     2 could not be "
                                        "written\r"))
        << op.events[1].toStdString();
    EXPECT_EQ(form->TraceWin()->Editor->LineCount(), 1u) << "only the failed line is traced";
}

TEST_F(ExecuteActiveWinTest, ProgressDialogCancelStopsBeforeTheNextLine) {
    session.ModelCode() = 3; // 0.5 s between lines: four lines take 1.5 s
    OpenLink();
    NewDocument({"K", "R", "K", "R"});
    bool shown = false;
    QTimer::singleShot(0, form.get(), [&] {
        auto* dialog = form->findChild<TDownloadProgressDlg*>();
        ASSERT_NE(dialog, nullptr);
        shown = dialog->isVisible();
        EXPECT_EQ(dialog->LineLabel->text(), "Line 1 of 4");
        EXPECT_EQ(dialog->RemainingLabel->text(), "Remaining: 0:02"); // 3 × 0.5 s, rounded up
        dialog->CancelBtn->click();
    });
    EXPECT_TRUE(Run("ExecuteActiveWin1Click"));
    EXPECT_TRUE(shown);
    EXPECT_FALSE(sim.WaitForLogSize(2, 0.8));
    EXPECT_EQ(SimCommands(), std::vector<std::string>{"K"});
    EXPECT_EQ(form->TraceWin()->Editor->LineCount(), 1u);
    EXPECT_TRUE(op.events.isEmpty());
}

TEST_F(ExecuteActiveWinTest, AShortDownloadShowsNoProgressDialog) {
    OpenLink();
    NewDocument({"K", "R", "K"});
    bool seen = false;
    QTimer::singleShot(0, form.get(),
                       [&] { seen = form->findChild<TDownloadProgressDlg*>() != nullptr; });
    EXPECT_TRUE(Run("ExecuteActiveWin1Click"));
    QApplication::processEvents();
    EXPECT_FALSE(seen);
    EXPECT_TRUE(sim.WaitForLogSize(3, 2.0));
}

} // namespace
} // namespace orvant::test
