// Program and In-Out choice dialogs, from the menu handler to the bytes at the controller.

#include "command_flow_fixture.h"
#include "language/session.h"

namespace orvant::test {
namespace {

using StructureCommands = CommandFlowTest;

struct ChoiceCase {
    const char* name;
    const char* handler;
    const char* dialog; // class name
    const char* title;
    int helpContext;
    std::map<QString, QVariant> choice;
    const char* line;
};

// One row per choice dialog of the Program, In-Out, Sequencer and Configuration menus:
// its title, and the line that the chosen items give.
const ChoiceCase kChoiceCases[] = {
    {"label 10",
     "AddressLabelClick",
     "TAddressDialog",
     "Set Addres Controler",
     10401,
     {{"RadioGroup1", 9}},
     "@10"},
    {"jump F", "Jumps1Click", "TJumpCmdDlg", "   Jump Dialog", 10407, {{"RadioGroup1", 14}}, "J15"},
    {"subroutine 10 - A",
     "Subrutine1Click",
     "TSubroutineDlg",
     "   Subroutine Dialog",
     10414,
     {{"RadioGroup1", 9}},
     "'10"},
    {"move to register 1",
     "MoveToRegister1Click",
     "TMoveRegDlg",
     "   Move to register Dialog",
     10412,
     {},
     ">1"},
    {"move from register 10",
     "MoveFromRegister1Click",
     "TMoveRegDlg",
     "  Move Fom Register Dialog",
     10413,
     {{"RadioGroup1", 9}},
     "<10"},
    {"user flag 83 on",
     "UserFlags1Click",
     "TUserFlegDlg",
     "User Flag Dialog",
     10406,
     {{"RadioGroup1", 3}, {"RadioGroup2", 1}},
     "T83"},
    {"user flag 87 off",
     "UserFlags1Click",
     "TUserFlegDlg",
     "User Flag Dialog",
     10406,
     {{"RadioGroup1", 7}},
     "C87"},
    {"wait for input 12 high",
     "Waitforinput1Click",
     "TWaitForInputDlg",
     "Wait For Input",
     10501,
     {{"RadioGroup1", 11}, {"RadioGroup2", 1}},
     "O12"},
    {"wait for input 21 low",
     "Waitforinput1Click",
     "TWaitForInputDlg",
     "Wait For Input",
     10501,
     {{"RadioGroup1", 20}},
     "Z21"},
    {"set output 3 low",
     "SetOutput1Click",
     "TWaitForInputDlg",
     "Set Output",
     10502,
     {{"RadioGroup1", 2}, {"RadioGroup2", 0}},
     "C3"},
    {"set output 1 high",
     "SetOutput1Click",
     "TWaitForInputDlg",
     "Set Output",
     10502,
     {{"RadioGroup2", 1}},
     "T1"},
    {"profile triangle",
     "Numofprofile1Click",
     "TCharacteristicDlg",
     "Number of Current Profile Character ",
     10802,
     {{"RadioGroup1", 4}},
     "N5"},
    {"aux recover on",
     "Auxiliaryfunction1Click",
     "TAuxFunctionDlg",
     "Auxiliary Function Dialog",
     10706,
     {{"RadioGroup1", 11}, {"RadioGroup2", 1}},
     "T51"},
    {"aux runsign off",
     "Auxiliaryfunction1Click",
     "TAuxFunctionDlg",
     "Auxiliary Function Dialog",
     10706,
     {},
     "C40"},
    {"index 9", "Index1Click", "TIndexDlg", "Index Dialog", 10703, {{"RadioGroup1", 9}}, "X9"},
};

TEST_F(StructureCommands, ChoiceDialogsSendTheLineOfTheChosenItems) {
    std::vector<std::string> expected;
    for (const ChoiceCase& c : kChoiceCases) {
        SCOPED_TRACE(c.name);
        NextStep([&c](QDialog& dialog) {
            EXPECT_EQ(dialog.objectName(), c.dialog);
            EXPECT_EQ(dialog.windowTitle(), c.title);
            EXPECT_EQ(dialog.property("helpContext").toInt(), c.helpContext);
            ScriptedOperator::setControls(dialog, c.choice);
            return ScriptedOperator::pressButton(dialog, true);
        });
        Run(c.handler);
        expected.push_back(c.line);
        EXPECT_EQ(Sent(expected.size()), expected);
    }
    EXPECT_TRUE(bench->op.boxes().isEmpty());
}

TEST_F(StructureCommands, CancelSendsNothing) {
    for (const ChoiceCase& c : kChoiceCases) {
        SCOPED_TRACE(c.name);
        Next(c.choice, false);
        Run(c.handler);
    }
    EXPECT_TRUE(Sent(0).empty());
    EXPECT_EQ(bench->session.LabelCounter, 0);
    EXPECT_EQ(bench->session.UserFlags, (std::array<std::uint8_t, 8>{}));
}

TEST_F(StructureCommands, LabelCounterProposesTheNextLabelAndStaysAtFifteen) {
    std::vector<int> proposed;
    const auto confirm = [&proposed](QDialog& dialog) {
        proposed.push_back(SelectedItem(dialog, "RadioGroup1"));
        return ScriptedOperator::pressButton(dialog, true);
    };
    for (int i = 0; i < 3; ++i) {
        NextStep(confirm);
        Run("AddressLabelClick");
    }
    EXPECT_EQ(Sent(3), (std::vector<std::string>{"@1", "@2", "@3"}));

    Next({{"RadioGroup1", 4}}); // label 5
    Run("AddressLabelClick");
    NextStep(confirm);
    Run("AddressLabelClick");
    Next({{"RadioGroup1", 14}}); // label 15
    Run("AddressLabelClick");
    NextStep(confirm);
    Run("AddressLabelClick");
    Next({}, false); // Cancel leaves the counter
    Run("AddressLabelClick");
    NextStep(confirm);
    Run("AddressLabelClick");
    EXPECT_EQ(proposed, (std::vector<int>{0, 1, 2, 5, 14, 14}));
    EXPECT_EQ(Sent(8),
              (std::vector<std::string>{"@1", "@2", "@3", "@5", "@6", "@15", "@15", "@15"}));
    EXPECT_EQ(bench->session.LabelCounter, 15);
}

TEST_F(StructureCommands, UserFlagsAllSendsEightLinesAndRemembersTheStates) {
    Next({{"RadioGroup4", 1}}); // flag 83 ON
    Run("UserFlagsAll1Click");
    EXPECT_EQ(Sent(8),
              (std::vector<std::string>{"C80", "C81", "C82", "T83", "C84", "C85", "C86", "C87"}));
    std::vector<int> shown;
    NextStep([&shown](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "   User flag dialog - for all flags");
        for (int k = 1; k <= 8; ++k)
            shown.push_back(SelectedItem(dialog, ("RadioGroup" + std::to_string(k)).c_str()));
        return ScriptedOperator::pressButton(dialog, false);
    });
    Run("UserFlagsAll1Click");
    EXPECT_EQ(shown, (std::vector<int>{0, 0, 0, 1, 0, 0, 0, 0}));
    EXPECT_EQ(Sent(8).size(), 8u) << "Cancel sends nothing";
}

TEST_F(StructureCommands, UserFlagsStoresTheStateButAlwaysOpensOnFlag80Off) {
    Next({{"RadioGroup1", 5}, {"RadioGroup2", 1}});
    Run("UserFlags1Click");
    EXPECT_EQ(bench->session.UserFlags[5], 1);
    NextStep([](QDialog& dialog) {
        EXPECT_EQ(SelectedItem(dialog, "RadioGroup1"), 0);
        EXPECT_EQ(SelectedItem(dialog, "RadioGroup2"), 0);
        return ScriptedOperator::pressButton(dialog, true);
    });
    Run("UserFlags1Click");
    EXPECT_EQ(Sent(2), (std::vector<std::string>{"T85", "C80"}));
    // User Flags All then proposes what User Flags set.
    std::vector<int> shown;
    NextStep([&shown](QDialog& dialog) {
        for (int k = 1; k <= 8; ++k)
            shown.push_back(SelectedItem(dialog, ("RadioGroup" + std::to_string(k)).c_str()));
        return ScriptedOperator::pressButton(dialog, false);
    });
    Run("UserFlagsAll1Click");
    EXPECT_EQ(shown, (std::vector<int>{0, 0, 0, 0, 0, 1, 0, 0}));
}

} // namespace
} // namespace orvant::test
