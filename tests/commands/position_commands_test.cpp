// Equal, Backward, Forward and Go Absolute from menu item to wire: the unit, the close
// check, the remembered kind and text, and refused lines.

#include "commands_fixture.h"
#include "link/radio_group.h"
#include "widgets/masked_edit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>

namespace orvant::test {
namespace {

using PositionCommandsTest = CommandsTest;

std::function<bool(QDialog&)> Position(int kind, const char* text) {
    return ScriptedOperator::fill({{"Radio", kind}, {"Edit", QString(text)}});
}

TEST_F(PositionCommandsTest, WithoutMicrostepsOrResolutionAllFourRefuse) {
    const struct {
        const char* name;
        std::int32_t m, r;
    } kUnset[] = {{"M unset", -1, 200}, {"R unset", 4, -1}, {"M zero", 0, 200}};
    for (const auto& c : kUnset) {
        SCOPED_TRACE(c.name);
        Record().M = c.m;
        Record().R = c.r;
        for (const char* handler :
             {"Equal1Click", "Backward1Click", "Forward1Click", "GoAbsolute1Click"}) {
            SCOPED_TRACE(handler);
            op.events.clear();
            Choose(handler);
            EXPECT_EQ(op.events,
                      QStringList{"Error: Not init value of MICROSTEPS or MOTOR RESOLUTION"});
        }
    }
    EXPECT_TRUE(NothingSent());
}

TEST_F(PositionCommandsTest, MicrostepsThatAreNoWholeStepNameTheNearestOne) {
    op.dialogs.push_back(Position(2, "40"));
    op.dialogs.push_back(Position(2, "24"));
    op.dialogs.push_back(Position(2, "48"));
    Choose("Forward1Click");
    const QString named =
        "Error: Entered Number is not integer multiply of user step !\rNejblizsi cislo je 32";
    EXPECT_EQ(op.boxes(), (QStringList{named, named}));
    EXPECT_EQ(op.events.count("Dialog still open: TPosicionDlg"), 2);
    EXPECT_EQ(Wire(1), std::vector<std::string>{"F48"});
}

TEST_F(PositionCommandsTest, EachKindSendsMicrosteps) {
    const struct {
        const char* handler;
        int kind;
        const char* text;
        std::int32_t m;
        const char* line;
    } kCases[] = {
        {"Backward1Click", 1, "100", 4, "B1600"},
        {"Equal1Click", 0, "2", 4, "=25600"},
        {"GoAbsolute1Click", 2, "12345", 64, "G12345"},
        {"Forward1Click", 1, "3", 64, "F3"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.line);
        Record().M = c.m;
        op.dialogs.push_back(Position(c.kind, c.text));
        Choose(c.handler);
        EXPECT_EQ(Wire(1), std::vector<std::string>{c.line});
    }
    EXPECT_TRUE(op.boxes().isEmpty()) << op.events.join('|').toStdString();
}

TEST_F(PositionCommandsTest, KindAndTextAreSharedByTheFourCommands) {
    op.dialogs.push_back(Position(1, "100"));
    Choose("Forward1Click");
    EXPECT_EQ(Wire(1), std::vector<std::string>{"F1600"});
    int kind = -1;
    QString text, title;
    op.dialogs.push_back([&](QDialog& d) {
        kind = d.findChild<RadioGroup*>("Radio")->currentIndex();
        text = d.findChild<MaskedEdit*>("Edit")->text();
        title = d.windowTitle();
        EXPECT_EQ(d.focusWidget(), d.findChild<MaskedEdit*>("Edit")->lineEdit());
        return ScriptedOperator::press(false)(d);
    });
    Choose("Equal1Click");
    EXPECT_EQ(kind, 1);
    EXPECT_EQ(text, "100     ");
    EXPECT_EQ(title, "  Equal Dialog");
}

TEST_F(PositionCommandsTest, TheRangeTextFollowsTheSelection) {
    op.dialogs.push_back([](QDialog& d) {
        auto* radio = d.findChild<RadioGroup*>("Radio");
        auto* range = d.findChild<QLabel*>("Range");
        EXPECT_EQ(radio->currentIndex(), 2) << "microsteps at first";
        EXPECT_EQ(range->text(), "(1 to 16000000)");
        EXPECT_EQ(radio->items().value(0), "Num. of revolutions ( 200 full steps per revolution)");
        d.findChild<QAbstractButton*>("Radio0")->click();
        EXPECT_EQ(range->text(), "(1 to 1250)");
        d.findChild<QAbstractButton*>("Radio1")->click();
        EXPECT_EQ(range->text(), "(1 to 1000000)");
        return ScriptedOperator::press(false)(d);
    });
    Choose("Backward1Click");
    EXPECT_EQ(session.PositionChoice, 1) << "the kind is kept on Cancel too";
}

TEST_F(PositionCommandsTest, ACloseCheckRefusalKeepsTheDialogOpen) {
    Record().R = 1000;
    op.dialogs.push_back(Position(0, "99999999"));
    op.dialogs.push_back(Position(2, ""));
    op.dialogs.push_back(ScriptedOperator::press(false));
    Choose("Forward1Click");
    // 99999999 revolutions of 64000 microsteps do not fit in 32 bits: refused, never wrapped.
    EXPECT_EQ(op.boxes(),
              (QStringList{"Error: Entered number not OK ", "Error: Entered number not OK "}));
    EXPECT_EQ(op.events.count("Sound: CriticalStop"), 1) << "an empty entry only shows the box";
    EXPECT_TRUE(NothingSent());
}

TEST_F(PositionCommandsTest, ALineTheCheckerRefusesBringsTheDialogBack) {
    op.dialogs.push_back(Position(0, "2000")); // 25600000 microsteps: above 16000000
    int kind = -1;
    QString text;
    op.dialogs.push_back([&](QDialog& d) {
        kind = d.findChild<RadioGroup*>("Radio")->currentIndex();
        text = d.findChild<MaskedEdit*>("Edit")->text();
        return ScriptedOperator::press(false)(d);
    });
    Choose("GoAbsolute1Click");
    EXPECT_EQ(op.boxes(), QStringList{"Error: Number Out Of Range"});
    EXPECT_EQ(kind, 0);
    EXPECT_EQ(text, "2000    ");
    EXPECT_TRUE(NothingSent());
}

TEST_F(PositionCommandsTest, KeyboardAloneTypesAndSends) {
    op.dialogs.push_back([](QDialog& d) {
        QApplication::setActiveWindow(&d);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&d));
        QTest::keyClick(&d, Qt::Key_S, Qt::AltModifier);
        EXPECT_TRUE(d.findChild<RadioGroup*>("Radio")->isAncestorOf(d.focusWidget()))
            << "Alt+S goes to the kind";
        QTest::keyClick(&d, Qt::Key_N, Qt::AltModifier);
        QWidget* entry = d.findChild<MaskedEdit*>("Edit")->lineEdit();
        EXPECT_EQ(d.focusWidget(), entry) << "Alt+N goes to the number";
        QTest::keyClicks(entry, "64");
        QTest::keyClick(entry, Qt::Key_Enter);
        return d.result() == QDialog::Accepted;
    });
    Choose("Forward1Click");
    EXPECT_EQ(Wire(1), std::vector<std::string>{"F64"});
}

} // namespace
} // namespace orvant::test
