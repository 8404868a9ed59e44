// The typed dialogs (Loop, If, Wait, Whole C) and Motor Resolution: checked lines, refusals
// that bring the same dialog back with the text kept, and the motor resolution setting.

#include "command_flow_fixture.h"
#include "language/session.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>

namespace orvant::test {
namespace {

using TypedCommands = CommandFlowTest;

QString FieldText(QDialog& dialog, const char* name) {
    QObject* field = dialog.findChild<QObject*>(name);
    return field ? field->property("text").toString() : QString("<no %1>").arg(name);
}

TEST_F(TypedCommands, TypedDialogsSendThePrefixAndTheCheckedText) {
    struct Case {
        const char* name;
        const char* handler;
        const char* title;
        const char* initial; // the field's text when the dialog opens
        const char* typed;
        const char* line;
    } const cases[] = {
        {"loop", "LoopClick", "Loop command dialog", "   ", "25", "L25"},
        {"loop empty", "LoopClick", "Loop command dialog", "   ", "", "L"},
        {"wait", "Wait1Click", "   Wait Dialog", "        ", "1500", "W1500"},
        {"wait empty", "Wait1Click", "   Wait Dialog", "        ", "", "W"},
        {"if", "If1Click", "    IF Command", "     ", "12h05", "I12H05"},
    };
    std::vector<std::string> expected;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        NextStep([&c](QDialog& dialog) {
            EXPECT_EQ(dialog.windowTitle(), c.title);
            EXPECT_EQ(FieldText(dialog, "MaskEdit1"), c.initial);
            ScriptedOperator::setControls(dialog, {{"MaskEdit1", QString(c.typed)}});
            return ScriptedOperator::pressButton(dialog, true);
        });
        Run(c.handler);
        expected.push_back(c.line);
        EXPECT_EQ(Sent(expected.size()), expected);
    }
    EXPECT_TRUE(bench->op.boxes().isEmpty());
}

TEST_F(TypedCommands, RefusedLoopShowsTheErrorAndTheSameDialogWithTheText) {
    Next({{"MaskEdit1", QString("300")}});
    NextStep([](QDialog& dialog) {
        EXPECT_EQ(FieldText(dialog, "MaskEdit1"), "300");
        ScriptedOperator::setControls(dialog, {{"MaskEdit1", QString("255")}});
        return ScriptedOperator::pressButton(dialog, true);
    });
    Run("LoopClick");
    EXPECT_EQ(bench->op.events, (QStringList{"Dialog: TLoopDlg", "Sound: CriticalStop",
                                             "Error: Number Out Of Range", "Dialog: TLoopDlg"}));
    EXPECT_EQ(Sent(1), (std::vector<std::string>{"L255"}));
}

TEST_F(TypedCommands, IncompleteIfIsRefusedByTheFieldBeforeTheDialogCloses) {
    QString hint;
    Next({{"MaskEdit1", QString("12H")}});
    NextStep([&hint](QDialog& dialog) {
        auto* label = dialog.findChild<QLabel*>("HintLabel");
        if (label && label->isVisible())
            hint = label->text();
        EXPECT_EQ(FieldText(dialog, "MaskEdit1"), "12H  ");
        return ScriptedOperator::pressButton(dialog, false);
    });
    Run("If1Click");
    EXPECT_TRUE(hint.contains("five characters")) << hint.toStdString();
    EXPECT_EQ(bench->op.events,
              (QStringList{"Dialog: TIfCmdDlg", "Sound: Default", "Dialog still open: TIfCmdDlg"}));
    EXPECT_TRUE(Sent(0).empty());
}

TEST_F(TypedCommands, IfLabelBeyondTheModelIsRefusedByTheChecker) {
    bench->session.ModelCode() = 1; // K2207A: labels up to 15
    Next({{"MaskEdit1", QString("12L16")}});
    Next({}, false);
    Run("If1Click");
    EXPECT_EQ(bench->op.boxes(), QStringList{"Error: Number Out Of Range"});
    EXPECT_TRUE(Sent(0).empty());
}

TEST_F(TypedCommands, WholeCommandStaysOpenWithTheTypedTextSelected) {
    Next({{"Edit1", QString("v1500 ;fast")}});
    NextStep([](QDialog& dialog) {
        auto* edit = dialog.findChild<QLineEdit*>("Edit1");
        EXPECT_EQ(edit->text(), "v1500 ;fast") << "as typed, not its normal form";
        EXPECT_EQ(edit->selectedText(), "v1500 ;fast");
        ScriptedOperator::setControls(dialog, {{"Edit1", QString("Y1")}});
        return ScriptedOperator::pressButton(dialog, true);
    });
    Next({{"Edit1", QString("XA")}});
    Next({{"Edit1", QString(" ;only a comment")}});
    NextStep([](QDialog& dialog) {
        EXPECT_EQ(dialog.findChild<QLineEdit*>("Edit1")->selectedText(), " ;only a comment");
        return ScriptedOperator::pressButton(dialog, false);
    });
    Run("WholeC1Click");
    EXPECT_EQ(Sent(2), (std::vector<std::string>{"V1500", "XA"}));
    EXPECT_EQ(bench->op.boxes(), QStringList{"Error: Command unknown"});
    EXPECT_EQ(bench->session.CurrentAddress, 10);
    EXPECT_TRUE(summary.startsWith("X=A;  ")) << summary.toStdString();
    EXPECT_EQ(summaries, 3) << "after each accepted line";
}

TEST_F(TypedCommands, MotorResolutionSetsTheResolutionAndSendsNothing) {
    Session& s = bench->session;
    NextStep([](QDialog& dialog) {
        EXPECT_EQ(dialog.objectName(), "TOneNumInputDlg");
        EXPECT_EQ(dialog.windowTitle(), "Motor Resolution");
        EXPECT_EQ(dialog.property("helpContext").toInt(), 10705);
        EXPECT_EQ(FieldText(dialog, "Label1"), "Set number of full steps per revolution");
        EXPECT_EQ(FieldText(dialog, "MaskEdit1"), "200");
        ScriptedOperator::setControls(dialog, {{"MaskEdit1", QString("400")}});
        return ScriptedOperator::pressButton(dialog, true);
    });
    Run("MotorResolution1Click");
    EXPECT_EQ(s.Records[0].R, 400);
    EXPECT_EQ(s.CurrentRecord().R, 400);
    EXPECT_TRUE(summary.endsWith("R=400;  ")) << summary.toStdString();
    NextStep([](QDialog& dialog) {
        EXPECT_EQ(FieldText(dialog, "MaskEdit1"), "400");
        return ScriptedOperator::pressButton(dialog, false);
    });
    Run("MotorResolution1Click");
    // The position entry sizes its revolutions unit with it.
    QStringList items;
    NextStep([&items](QDialog& dialog) {
        for (auto* b : dialog.findChildren<QAbstractButton*>())
            items << b->text();
        return ScriptedOperator::pressButton(dialog, false);
    });
    Run("GoAbsolute1Click");
    EXPECT_TRUE(items.contains("Num. of revolutions ( 400 full steps per revolution)"))
        << items.join("|").toStdString();
    EXPECT_TRUE(Sent(0).empty());
    EXPECT_TRUE(bench->op.boxes().isEmpty());
}

TEST_F(TypedCommands, MotorResolutionWithoutASizeIsRefusedAndAskedAgain) {
    Next({{"MaskEdit1", QString("0")}});
    Next({{"MaskEdit1", QString("")}});
    Next({{"MaskEdit1", QString("5")}});
    NextStep([](QDialog& dialog) {
        EXPECT_EQ(FieldText(dialog, "MaskEdit1"), "  5");
        ScriptedOperator::setControls(dialog, {{"MaskEdit1", QString("10")}});
        return ScriptedOperator::pressButton(dialog, true);
    });
    Run("MotorResolution1Click");
    EXPECT_EQ(bench->op.boxes(), (QStringList{"Error: Number Out Of Range", "Error: Syntax Error",
                                              "Error: Number Out Of Range"}));
    EXPECT_EQ(bench->session.CurrentRecord().R, 10);
    EXPECT_TRUE(Sent(0).empty());
}

} // namespace
} // namespace orvant::test
