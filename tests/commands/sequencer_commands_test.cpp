// Microstep, Qualification and Index: the settings and the current address they change,
// the chained Qualification dialog and its refusal, and the settings summary.

#include "command_flow_fixture.h"
#include "language/session.h"

namespace orvant::test {
namespace {

using SequencerCommands = CommandFlowTest;

TEST_F(SequencerCommands, MicrostepWithFittingQualificationSendsOnlyTheMicrosteps) {
    Session& s = bench->session; // link defaults: M 4, Q 1
    s.SetAddressValue(AddressField::Q, 4);
    NextStep([](QDialog& dialog) {
        EXPECT_EQ(SelectedItem(dialog, "RadioGroup1"), 2) << "M = 4 proposes 4 microsteps";
        ScriptedOperator::setControls(dialog, {{"RadioGroup1", 4}});
        return ScriptedOperator::pressButton(dialog, true);
    });
    Run("Microstep1Click");
    EXPECT_EQ(Sent(1), (std::vector<std::string>{"M16"}));
    EXPECT_EQ(s.Records[3].M, 16) << "all addresses";
    EXPECT_TRUE(summary.contains("M=16;  Q=4;"));
}

TEST_F(SequencerCommands, MicrostepChainsQualificationWhenTheQualificationNoLongerFits) {
    Session& s = bench->session; // M 4, Q 1: Q1 does not suit 16 microsteps
    Next({{"RadioGroup1", 4}});
    NextStep([](QDialog& dialog) {
        EXPECT_EQ(dialog.objectName(), "TQualificationDlg");
        EXPECT_EQ(SelectedItem(dialog, "RadioGroup1"), 0);
        ScriptedOperator::setControls(dialog, {{"RadioGroup1", 2}});
        return ScriptedOperator::pressButton(dialog, true);
    });
    Run("Microstep1Click");
    EXPECT_EQ(Sent(2), (std::vector<std::string>{"M16", "Q4"}));
    EXPECT_EQ(s.CurrentRecord().Q, 4);
    EXPECT_TRUE(summary.contains("M=16;  Q=4;"));
}

TEST_F(SequencerCommands, MicrostepWithUnsetQualificationChainsQualification) {
    bench->session.SetAddressValue(AddressField::Q, -1);
    Next({{"RadioGroup1", 0}});
    Next({}, false);
    Run("Microstep1Click");
    EXPECT_EQ(Sent(1), (std::vector<std::string>{"M1"}));
    EXPECT_EQ(bench->op.events.filter("Dialog:").size(), 2);
}

TEST_F(SequencerCommands, QualificationMisfitShowsTheRangeAndTheDialogAgain) {
    Session& s = bench->session;
    s.SetAddressValue(AddressField::M, 2);
    s.SetAddressValue(AddressField::Q, 2);
    QDialog* first = nullptr;
    NextStep([&first](QDialog& dialog) { // 4 does not suit M = 2
        first = &dialog;
        ScriptedOperator::setControls(dialog, {{"RadioGroup1", 2}});
        return ScriptedOperator::pressButton(dialog, true);
    });
    NextStep([&first](QDialog& dialog) {
        EXPECT_EQ(&dialog, first) << "created once, shown again";
        EXPECT_EQ(SelectedItem(dialog, "RadioGroup1"), 2) << "the choice stays selected";
        ScriptedOperator::setControls(dialog, {{"RadioGroup1", 1}});
        return ScriptedOperator::pressButton(dialog, true);
    });
    Run("Qualification1Click");
    EXPECT_EQ(bench->op.boxes(),
              QStringList{"Error: Qualification range for actual Microsteps\rQ2"});
    EXPECT_EQ(Sent(1), (std::vector<std::string>{"Q2"}));
    EXPECT_EQ(s.CurrentRecord().Q, 2);
    EXPECT_EQ(summaries, 2);
}

TEST_F(SequencerCommands, QualificationCancelRefreshesTheSummaryAndSendsNothing) {
    Next({{"RadioGroup1", 2}}, false);
    Run("Qualification1Click");
    EXPECT_TRUE(Sent(0).empty());
    EXPECT_EQ(bench->session.CurrentRecord().Q, 1);
    EXPECT_EQ(summaries, 1);
}

TEST_F(SequencerCommands, IndexSetsTheCurrentAddressAndSendsItsLetter) {
    Session& s = bench->session;
    NextStep([](QDialog& dialog) {
        EXPECT_EQ(SelectedItem(dialog, "RadioGroup1"), 16) << "adress &G proposed";
        ScriptedOperator::setControls(dialog, {{"RadioGroup1", 10}});
        return ScriptedOperator::pressButton(dialog, true);
    });
    Run("Index1Click");
    EXPECT_EQ(s.CurrentAddress, 10);
    EXPECT_TRUE(summary.startsWith("X=A;  M=4;"));

    // A setting made now belongs to address A only.
    Next({{"RadioGroup1", 4}});
    Next({{"RadioGroup1", 2}});
    Run("Microstep1Click");
    EXPECT_EQ(s.Records[10].M, 16);
    EXPECT_EQ(s.Records[kAllAddresses].M, 4);

    NextStep([](QDialog& dialog) {
        EXPECT_EQ(SelectedItem(dialog, "RadioGroup1"), 16) << "proposed every time";
        return ScriptedOperator::pressButton(dialog, true);
    });
    Run("Index1Click");
    EXPECT_EQ(Sent(4), (std::vector<std::string>{"XA", "M16", "Q4", "XG"}));
    EXPECT_EQ(s.CurrentAddress, kAllAddresses);
    EXPECT_TRUE(summary.startsWith("X=All;  M=4;"));
}

} // namespace
} // namespace orvant::test
