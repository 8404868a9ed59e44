// The Real Move panel driven like an operator drives it, against the simulator.

#include "commands/command_context.h"
#include "language/state_file.h"
#include "link_fixture.h"
#include "realmove/realmove_commands.h"
#include "realmove/trealmove_dlg.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace orvant::test {
namespace {

class RealMovePanelTest : public SimLinkTest {
protected:
    void SetUp() override {
        SimLinkTest::SetUp();
        OpenLink();
        bench->session.SetAddressValue(AddressField::M, 16);
    }
    void TearDown() override {
        panel.reset();
        SimLinkTest::TearDown();
    }

    // A new panel, shown and active (its activation has run).
    TRealMoveDlg& Open() {
        panel = std::make_unique<TRealMoveDlg>(bench->session, bench->op, bench->link);
        panel->show();
        panel->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(panel.get()));
        return *panel;
    }

    // Clicks `button`; the simulator's log gets `count` more lines. Returns the steady-clock
    // microseconds at the click.
    std::int64_t Click(QPushButton* button, std::size_t count) {
        const std::size_t before = sim.Log().size();
        const std::int64_t at = sim::K2207Simulator::MonotonicMicros();
        button->click();
        EXPECT_TRUE(sim.WaitForLogSize(before + count, 2.0));
        return at;
    }

    std::unique_ptr<TRealMoveDlg> panel;
};

TEST_F(RealMovePanelTest, OpensWithTheLayoutAndTheStoredValues) {
    bench->session.Move.RelDistance[1] = 2.5;
    TRealMoveDlg& p = Open();
    EXPECT_EQ(p.windowTitle(), "User Window");
    EXPECT_EQ(p.size(), QSize(456, 275));
    EXPECT_TRUE(p.isModal());
    const struct {
        const char* name;
        const char* caption;
    } buttons[] = {
        {"Button2", "Re&set"},   {"Button3", "Stop"},
        {"BBack1", " <<--"},     {"BBack2", "<<--"},
        {"BBack4", "<<--"},      {"BFor1", "-->>"},
        {"BFor4", "-->>"},       {"BGo1", "GO"},
        {"BGo4", "GO"},          {"Button1", "&Upload Abs. Position"},
        {"CancelBtn", "Cancel"},
    };
    for (const auto& b : buttons) {
        SCOPED_TRACE(b.name);
        auto* button = p.findChild<QPushButton*>(b.name);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), b.caption);
        EXPECT_FALSE(button->autoDefault()) << "Enter in a field must not press it";
    }
    EXPECT_EQ(p.UploadText->text(), "????????");
    EXPECT_EQ(p.ILStepPerUnit->text(), "10");
    EXPECT_EQ(p.IlDecDigit->text(), "1");
    EXPECT_EQ(p.DecDigits(), 1);
    // The digits handling re-showed every field as the reachable value in 15 characters.
    EXPECT_EQ(p.ILRel[0]->text(), "            0.0");
    EXPECT_EQ(p.ILRel[1]->text(), "            2.4"); // 25 / 4 = 6.25: 6 x 4 = 24 microsteps
    EXPECT_EQ(p.ILAbs[3]->text(), "            0.0");
    EXPECT_EQ(QApplication::focusWidget(), p.ILStepPerUnit);
    EXPECT_TRUE(bench->op.boxes().isEmpty());
    EXPECT_TRUE(sim.Log().empty());
}

TEST_F(RealMovePanelTest, EachMoveButtonSendsItsCommandThenRunAfterThePause) {
    TRealMoveDlg& p = Open();
    const struct {
        const char* name;
        std::function<QPushButton*()> button;
        QLineEdit* field;
        QString text;
        std::string command;
        double stored;
    } cases[] = {
        // 10 per unit, M = 16: 12.3 / 4 = 3.075, 3 x 4 = 12 microsteps.
        {"forward", [&] { return p.BFor[0]; }, p.ILRel[0], "1.23", "F12", 1.23},
        {"backward", [&] { return p.BBack[1]; }, p.ILRel[1], "2", "B20", 2},
        {"go", [&] { return p.BGo[2]; }, p.ILAbs[2], "0.5", "G4", 0.5},
        {"negative distance", [&] { return p.BFor[3]; }, p.ILRel[3], "-3", "F0", 0},
        {"go row 4, a half to the even", [&] { return p.BGo[3]; }, p.ILAbs[3], "  7", "G72", 7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.field->setText(c.text);
        p.UploadText->setText("x");
        const std::size_t before = sim.Log().size();
        const std::int64_t clicked = Click(c.button(), 2);
        const auto log = sim.Log();
        ASSERT_EQ(log.size(), before + 2);
        EXPECT_EQ(log[before].text, c.command);
        EXPECT_EQ(log[before + 1].text, "R");
        // Each request pauses 0.1 s before its send; a byte reaches the simulator no
        // earlier than it was written.
        EXPECT_GE(log[before].micros, clicked + 100000);
        EXPECT_GE(log[before + 1].micros, clicked + 200000);
        EXPECT_EQ(c.field->text(), c.text) << "the button does not rewrite the field";
        EXPECT_EQ(p.UploadText->text(), "?????????");
    }
    EXPECT_EQ(bench->session.Move.RelDistance[0], 1.23);
    EXPECT_EQ(bench->session.Move.RelDistance[1], 2);
    EXPECT_EQ(bench->session.Move.AbsPosition[2], 0.5);
    EXPECT_EQ(bench->session.Move.RelDistance[3], 0);
    EXPECT_EQ(sim.Position(), 72);
    EXPECT_TRUE(bench->op.boxes().isEmpty());
}

TEST_F(RealMovePanelTest, ResetAndStopSendOneLineEach) {
    TRealMoveDlg& p = Open();
    Click(p.Button2, 1);
    Click(p.Button3, 1);
    QTest::qWait(300); // no run command follows
    EXPECT_EQ(SimCommands(), (std::vector<std::string>{"\\", "K"}));
    EXPECT_EQ(p.UploadText->text(), "????????");
}

TEST_F(RealMovePanelTest, ATextThatIsNoNumberMovesTheStoredDistance) {
    bench->session.Move.RelDistance[0] = 3;
    TRealMoveDlg& p = Open();
    p.ILRel[0]->setText("1,5");
    Click(p.BFor[0], 2);
    EXPECT_EQ(bench->op.boxes(), QStringList{"Error: It is no real number - syntax error"});
    EXPECT_EQ(SimCommands(), (std::vector<std::string>{"F32", "R"})); // 30 / 4 = 7.5: 8 x 4
    EXPECT_EQ(bench->session.Move.RelDistance[0], 3);
}

TEST_F(RealMovePanelTest, ADistanceBeyondThirtyTwoBitsIsNotSent) {
    bench->session.Move.RelDistance[0] = 3;
    TRealMoveDlg& p = Open();
    p.ILRel[0]->setText("214748364.8"); // 2147483648 microsteps would wrap to a reversed move
    p.BBack[0]->click();
    QTest::qWait(300);
    EXPECT_TRUE(sim.Log().empty());
    ASSERT_EQ(bench->op.boxes().size(), 1);
    EXPECT_TRUE(bench->op.boxes()[0].startsWith("Error: Distance is beyond the range"));
    EXPECT_EQ(bench->session.Move.RelDistance[0], 3);
    EXPECT_EQ(p.UploadText->text(), "????????");
}

TEST_F(RealMovePanelTest, UploadShowsThePositionInUserUnits) {
    sim.SetPosition(10000); // answers 0x10, 0x27, 0x00
    TRealMoveDlg& p = Open();
    Click(p.Button1, 3);
    EXPECT_EQ(SimCommands(), (std::vector<std::string>{"U1", "U2", "U3"}));
    EXPECT_EQ(p.UploadText->text(), "    1000.0");
    EXPECT_EQ(bench->session.Move.UploadedPosition, 10000);
    EXPECT_EQ(bench->session.Move.UploadDone, 1);
    EXPECT_FALSE(bench->op.events.contains("Sound: CriticalStop"));
}

TEST_F(RealMovePanelTest, ASilentControllerShowsNoAnswerWithTheErrorSound) {
    sim.SetSilent(true);
    TRealMoveDlg& p = Open();
    p.Button1->click();
    EXPECT_EQ(p.UploadText->text(), "No Answer");
    EXPECT_EQ(bench->op.events, QStringList{"Sound: CriticalStop"});
    EXPECT_EQ(SimCommands(), (std::vector<std::string>{"U1"}));
    EXPECT_EQ(bench->session.Move.UploadAnswered, 0);
}

TEST_F(RealMovePanelTest, NothingElseRunsWhileThePositionReadWaits) {
    sim.SetSilent(true);
    TRealMoveDlg& p = Open();
    // The read services events while it waits: a move or Esc then must not run inside it.
    QTimer::singleShot(200, &p, [&] {
        p.BFor[0]->click();
        QTest::keyClick(&p, Qt::Key_Escape);
    });
    p.Button1->click();
    EXPECT_EQ(p.UploadText->text(), "No Answer");
    EXPECT_EQ(bench->op.events,
              (QStringList{"Sound: Default", "Sound: Default", "Sound: CriticalStop"}));
    EXPECT_EQ(SimCommands(), (std::vector<std::string>{"U1"}));
    EXPECT_TRUE(p.isVisible());
}

TEST_F(RealMovePanelTest, MicrostepsPerUnitOnEnterAndOnLeaving) {
    const struct {
        const char* name;
        QString text;
        bool enter;
        std::int32_t expected;
        QString rel1; // 1.23 re-shown with that unit and M = 16
    } cases[] = {
        {"Enter", "20", true, 20, "            1.2"}, // 24.6 / 4 = 6.15: 24 microsteps
        {"zero", "0", true, 1, "            0.0"},    // 1.23 / 4: 0 microsteps
        {"above the limit", "9999999", false, 8000000, "            1.2"},
        {"beyond 32 bits", "9999999999", false, 8000000, "            1.2"},
        {"empty", "", false, 1, "            0.0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TRealMoveDlg& p = Open();
        bench->op.events.clear();
        p.ILRel[0]->setText("1.23");
        p.ILStepPerUnit->setFocus();
        p.ILStepPerUnit->setText(c.text);
        if (c.enter) {
            QTest::keyClick(p.ILStepPerUnit, Qt::Key_Return);
            EXPECT_EQ(bench->op.events, QStringList{"Sound: Default"});
            EXPECT_EQ(p.ILStepPerUnit->selectedText(), QString::number(c.expected));
            EXPECT_TRUE(p.isVisible()) << "Enter does not close the panel";
        } else {
            p.ILRel[1]->setFocus();
            EXPECT_TRUE(bench->op.events.isEmpty());
        }
        EXPECT_EQ(p.ILStepPerUnit->text(), QString::number(c.expected));
        EXPECT_EQ(bench->session.Move.StepsPerUnit, c.expected);
        EXPECT_EQ(p.ILRel[0]->text(), c.rel1);
    }
    EXPECT_TRUE(sim.Log().empty());
}

TEST_F(RealMovePanelTest, AcceleratorsMoveTheFocusAndEscCloses) {
    TRealMoveDlg& p = Open();
    const struct {
        Qt::Key key;
        QWidget* focused;
    } cases[] = {
        {Qt::Key_R, p.ILRel[0]}, {Qt::Key_A, p.ILAbs[0]}, {Qt::Key_M, p.ILStepPerUnit},
        {Qt::Key_B, p.BBack[0]}, {Qt::Key_F, p.BFor[0]},  {Qt::Key_G, p.BGo[0]},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QKeySequence(c.key).toString().toStdString());
        QTest::keyClick(QApplication::focusWidget(), c.key, Qt::AltModifier);
        EXPECT_EQ(QApplication::focusWidget(), c.focused);
    }
    QTest::qWait(300);
    EXPECT_TRUE(sim.Log().empty()) << "a column caption's accelerator starts no move";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::AltModifier); // Re&set
    QTest::qWait(300); // an accelerator clicks its button after a short animation
    ASSERT_TRUE(sim.WaitForLogSize(1, 2.0));
    EXPECT_EQ(SimCommands(), std::vector<std::string>{"\\"});
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(p.isVisible());
    EXPECT_EQ(p.result(), QDialog::Rejected);
}

TEST_F(RealMovePanelTest, LeavingADistanceFieldShowsTheReachableValue) {
    bench->session.Move.AbsPosition[0] = 2;
    TRealMoveDlg& p = Open();
    p.ILAbs[0]->setFocus();
    p.ILAbs[0]->clear();
    QTest::keyClicks(p.ILAbs[0], "1.23");
    QTest::keyClick(p.ILAbs[0], Qt::Key_Tab);
    EXPECT_EQ(p.ILAbs[0]->text(), "            1.2");
    EXPECT_EQ(bench->session.Move.AbsPosition[0], 1.23) << "the record keeps the value entered";
    EXPECT_EQ(QApplication::focusWidget(), p.BGo[0]);

    p.ILAbs[0]->setFocus();
    p.ILAbs[0]->setText("abc");
    QTest::keyClick(p.ILAbs[0], Qt::Key_Enter);
    EXPECT_EQ(bench->op.boxes(), QStringList{"Error: It is no real number - syntax error"});
    EXPECT_EQ(p.ILAbs[0]->text(), "            1.2");
    EXPECT_TRUE(p.isVisible());
    EXPECT_TRUE(sim.Log().empty());
}

TEST_F(RealMovePanelTest, DecimalDigitsAreForThisOpeningOnly) {
    CommandContext context{bench->session, bench->op, bench->link, bench->setup,
                           nullptr,        nullptr,   {},          {}};
    QStringList seen;
    auto step = [&](const QString& digits) {
        return [&, digits](QDialog& d) {
            auto& p = static_cast<TRealMoveDlg&>(d);
            EXPECT_TRUE(QTest::qWaitForWindowActive(&p));
            seen << p.IlDecDigit->text() + "|" + p.ILRel[0]->text();
            p.IlDecDigit->setText(digits);
            seen << QString::number(p.DecDigits()) + "|" + p.ILRel[0]->text();
            return ScriptedOperator::pressButton(d, false);
        };
    };
    bench->op.dialogs.push_back(step("3"));
    bench->op.dialogs.push_back(step(""));
    RealMove1Click(context);
    RealMove1Click(context);
    EXPECT_EQ(seen, (QStringList{"1|            0.0", "3|          0.000", "1|            0.0",
                                 "1|            0.0"}));
    EXPECT_EQ(bench->session.Move.DecimalDigits, 1);
    EXPECT_EQ(bench->op.events, (QStringList{"Dialog: TRealMoveDlg", "Sound: Default",
                                             "Dialog: TRealMoveDlg", "Sound: Default"}));
}

TEST_F(RealMovePanelTest, DistancesAndUnitSurviveARestart) {
    TRealMoveDlg& p = Open();
    const QString texts[8] = {"0.1", "2.5", "3", "4.75", "10", "20.5", "0.3", "1e3"};
    p.ILStepPerUnit->setText("64");
    p.ILStepPerUnit->setFocus();
    for (int i = 0; i < 4; ++i) {
        p.ILRel[i]->setText(texts[i]);
        p.ILRel[i]->setFocus(); // leaves the previous field
        p.ILAbs[i]->setText(texts[4 + i]);
        p.ILAbs[i]->setFocus();
    }
    p.CancelBtn->setFocus();
    const MoveExchangeRecord before = bench->session.Move;
    EXPECT_EQ(before.StepsPerUnit, 64);
    EXPECT_EQ(before.RelDistance[0], 0.1);
    EXPECT_EQ(before.AbsPosition[3], 1000);
    panel.reset();

    StateFileContent saved;
    saved.Move = before;
    const StateFileRead read = DecodeStateFile(EncodeStateFile(saved));
    ASSERT_TRUE(read.HasMove);
    bench->session.Move = read.Content.Move;
    EXPECT_EQ(EncodeMoveRecord(bench->session.Move), EncodeMoveRecord(before));

    TRealMoveDlg& again = Open();
    EXPECT_EQ(again.ILStepPerUnit->text(), "64");
    EXPECT_EQ(again.ILRel[0]->text(), "            0.1");
    EXPECT_EQ(again.ILAbs[3]->text(), "         1000.0");
}

} // namespace
} // namespace orvant::test
