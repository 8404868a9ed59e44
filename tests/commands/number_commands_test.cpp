// The one-number commands from menu item to wire: the entry dialog, the remembered texts,
// refused lines and the Start/Stop, Velocity and Acceleration chains.

#include "commands_fixture.h"
#include "language/number_commands.h"
#include "widgets/masked_edit.h"

#include <QLineEdit>

namespace orvant::test {
namespace {

using NumberCommandsTest = CommandsTest;

const QString kVelocityWarning = "Message: Warning !\rVELOCITY is less than START/STOP";
const QString kAccelerationWarning =
    "Message: Warning !\rActual ACCELERATION is not according to the actual START/STOP";

// A dialog step that checks the dialog shows the row, then types the number and presses OK.
std::function<bool(QDialog&)> Enter(const OneNumberRow& row, const char* number) {
    return [&row, number](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), row.title);
        EXPECT_EQ(d.property("helpContext").toInt(), row.helpContext);
        EXPECT_EQ(d.findChild<QLabel*>("Label1")->text(), row.description);
        EXPECT_EQ(d.findChild<MaskedEdit*>("MaskEdit1")->editMask(), row.mask);
        return ScriptedOperator::fill({{"MaskEdit1", QString(number)}})(d);
    };
}

TEST_F(NumberCommandsTest, EachRowSendsItsPrefixAndTheNumber) {
    const struct {
        const char* handler;
        const char* number;
        const char* line;
    } kRows[] = {
        {"TurnOn1Click", "5", "T5"},
        {"Clear1Click", "100", "C100"},
        {"Load1Click", "16000000", ":16000000"},
        {"Query1Click", "12", "?12"},
        {"Order1Click", "105", "!105"},
        {"add1Click", "255", "+255"},
        {"Subtrack1Click", "1", "-1"},
        {"Multiply1Click", "2", "*2"},
        {"Divide1Click", "3", "/3"},
        {"StartStop1Click", "300", "S300"},
        {"Acceleration1Click", "100", "A100"},
        {"Velocity1Click", "1500", "V1500"},
        {"PrOfile1Click", "20", "P20"},
        {"SeekPositive1Click", "21", ")21"},
        {"SeekNegative1Click", "7", "(7"},
    };
    EXPECT_EQ(OneNumberRows().size(), std::size(kRows));
    for (const auto& c : kRows) {
        SCOPED_TRACE(c.handler);
        op.dialogs.push_back(Enter(OneNumberRowFor(c.handler), c.number));
        Choose(c.handler);
        EXPECT_EQ(Wire(1), std::vector<std::string>{c.line});
        EXPECT_TRUE(op.dialogs.empty());
    }
    EXPECT_TRUE(op.boxes().isEmpty()) << op.events.join('|').toStdString();
    EXPECT_TRUE(form->PanelText(2).contains("S=300;  V=1500;  A=100;"))
        << form->PanelText(2).toStdString();
}

TEST_F(NumberCommandsTest, TheDialogOpensOnTheEntryAndEnterSendsWhatWasTyped) {
    op.dialogs.push_back([](QDialog& d) {
        auto* entry = d.findChild<MaskedEdit*>("MaskEdit1");
        EXPECT_EQ(d.findChild<QLabel*>("Label4")->text(), "(16-20000)\n(16-40000)-K2207F");
        EXPECT_EQ(entry->displayText(), "1000....");
        EXPECT_EQ(d.focusWidget(), entry->lineEdit()) << "the entry field has the focus";
        QTest::keyClicks(d.focusWidget(), "1500");
        QTest::keyClick(d.focusWidget(), Qt::Key_Return);
        return d.result() == QDialog::Accepted;
    });
    Choose("Velocity1Click");
    EXPECT_EQ(Wire(1), std::vector<std::string>{"V1500"});
    EXPECT_TRUE(form->PanelText(2).contains("V=1500;")) << form->PanelText(2).toStdString();

    op.dialogs.push_back([](QDialog& d) {
        QTest::keyClicks(d.focusWidget(), "77");
        QTest::keyClick(d.focusWidget(), Qt::Key_Escape);
        return d.result() == QDialog::Accepted;
    });
    Choose("PrOfile1Click");
    EXPECT_TRUE(NothingSent()) << "Esc cancels";
    EXPECT_EQ(session.EntryTexts["PrOfile1Click"], "      77");
}

TEST_F(NumberCommandsTest, CancelKeepsWhatWasTypedAndSendsNothing) {
    op.dialogs.push_back(ScriptedOperator::fill({{"MaskEdit1", QString("500")}}, false));
    QString shown;
    op.dialogs.push_back([&shown](QDialog& d) {
        shown = d.findChild<MaskedEdit*>("MaskEdit1")->text();
        return ScriptedOperator::press(false)(d);
    });
    Choose("Velocity1Click");
    Choose("Velocity1Click");
    EXPECT_EQ(shown, "     500");
    EXPECT_TRUE(NothingSent());
    EXPECT_FALSE(link->Link().LastSendTime());
}

TEST_F(NumberCommandsTest, ARefusedNumberBringsTheDialogBackWithIt) {
    op.dialogs.push_back(ScriptedOperator::fill({{"MaskEdit1", QString("5")}}));
    QString shown;
    op.dialogs.push_back([&shown](QDialog& d) {
        shown = d.findChild<MaskedEdit*>("MaskEdit1")->text();
        return ScriptedOperator::press(false)(d);
    });
    Choose("StartStop1Click");
    EXPECT_EQ(op.boxes(), QStringList{"Error: Number Out Of Range"});
    EXPECT_EQ(shown, "       5");
    EXPECT_TRUE(NothingSent());
    EXPECT_EQ(Record().S, 200);
}

TEST_F(NumberCommandsTest, CancelledStartStopAboveTheVelocityStillWarnsAndChainsVelocity) {
    Record().V = 100;
    QString title, range;
    op.dialogs.push_back(ScriptedOperator::press(false));
    op.dialogs.push_back(Look(&title, "Label4", &range));
    Choose("StartStop1Click");
    EXPECT_EQ(op.boxes(), QStringList{kVelocityWarning});
    EXPECT_TRUE(op.events.contains("Sound: CriticalStop"));
    EXPECT_EQ(title, " Velocity");
    EXPECT_EQ(range, "(200-20000)\n(200-40000)-K2207F");
    EXPECT_TRUE(NothingSent());
}

TEST_F(NumberCommandsTest, StartStopWithAnUnsuitedAccelerationWarnsAndOpensAcceleration) {
    Record().A = 10000;
    QString title, range;
    op.dialogs.push_back(ScriptedOperator::fill({{"MaskEdit1", QString("200")}}));
    op.dialogs.push_back([&](QDialog& d) {
        title = d.windowTitle();
        range = d.findChild<QLabel*>("Label4")->text();
        return ScriptedOperator::fill({{"MaskEdit1", QString("5000")}})(d);
    });
    Choose("StartStop1Click");
    EXPECT_EQ(op.boxes(), QStringList{kAccelerationWarning});
    EXPECT_EQ(title, " Acceleration");
    EXPECT_EQ(range, "(1 to 7424)");
    EXPECT_EQ(Wire(2), (std::vector<std::string>{"S200", "A5000"}));
    EXPECT_EQ(Record().A, 5000);
}

TEST_F(NumberCommandsTest, TheAccelerationBandStartsAtEightAboveStartStop976) {
    Record().A = 4;
    op.dialogs.push_back(ScriptedOperator::fill({{"MaskEdit1", QString("1000")}}));
    QString title, range;
    op.dialogs.push_back(Look(&title, "Label4", &range));
    Choose("StartStop1Click");
    EXPECT_EQ(Wire(1), std::vector<std::string>{"S1000"});
    EXPECT_EQ(op.boxes(), QStringList{kAccelerationWarning});
    EXPECT_EQ(range, "(8 to 65000)");
}

TEST_F(NumberCommandsTest, WithStartStopUnsetEveryAccelerationFits) {
    // An empty entry sends the bare letter, which makes S unset.
    op.dialogs.push_back(ScriptedOperator::fill({{"MaskEdit1", QString("")}}));
    Record().A = -1;
    Choose("StartStop1Click");
    EXPECT_EQ(Wire(1), std::vector<std::string>{"S"});
    EXPECT_LE(Record().S, 0);
    EXPECT_TRUE(op.boxes().isEmpty()) << op.events.join('|').toStdString();

    QString title, range;
    op.dialogs.push_back(Look(&title, "Label4", &range));
    Choose("Acceleration1Click");
    EXPECT_EQ(range, "(1 to 65000)");
}

TEST_F(NumberCommandsTest, VelocityBelowStartStopWarnsAndChainsStartStop) {
    QString range;
    op.dialogs.push_back(ScriptedOperator::fill({{"MaskEdit1", QString("100")}}));
    op.dialogs.push_back([&range](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), " Start/Stop");
        range = d.findChild<QLabel*>("Label4")->text();
        return ScriptedOperator::fill({{"MaskEdit1", QString("50")}})(d);
    });
    Choose("Velocity1Click");
    EXPECT_EQ(op.boxes(), QStringList{kVelocityWarning});
    EXPECT_EQ(range, "(100 to 19500)");
    EXPECT_EQ(Wire(2), (std::vector<std::string>{"V100", "S50"}));
    EXPECT_TRUE(form->PanelText(2).contains("S=50;  V=100;")) << form->PanelText(2).toStdString();
}

} // namespace
} // namespace orvant::test
