// The lines of the program-structure choice dialogs, one table per dialog, and the label
// counter.

#include "language/structure_lines.h"

#include <gtest/gtest.h>

#include <functional>

namespace orvant {
namespace {

struct ItemLineCase {
    const char* name;
    std::function<std::string(int)> build;
    int item;
    const char* line;
};

TEST(StructureLines, ItemDialogsPutItemPlusOneBehindTheirPrefix) {
    const auto to = [](int i) { return MoveRegisterLine(RegisterMove::ToRegister, i); };
    const auto from = [](int i) { return MoveRegisterLine(RegisterMove::FromRegister, i); };
    const ItemLineCase cases[] = {
        {"label first", AddressLabelLine, 0, "@1"},
        {"label 10", AddressLabelLine, 9, "@10"},
        {"label last", AddressLabelLine, 14, "@15"},
        {"jump first", JumpLine, 0, "J1"},
        {"jump F", JumpLine, 14, "J15"},
        {"subroutine first", SubroutineLine, 0, "'1"},
        {"subroutine 10 - A", SubroutineLine, 9, "'10"},
        {"subroutine last", SubroutineLine, 14, "'15"},
        {"to register 1", to, 0, ">1"},
        {"to register 10", to, 9, ">10"},
        {"from register 1", from, 0, "<1"},
        {"from register 10", from, 9, "<10"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.build(c.item), c.line);
    }
}

TEST(StructureLines, LabelCounterAdvancesAndStaysAtFifteen) {
    struct Case {
        const char* name;
        int chosen;
        std::int32_t next;
        int proposed;
    } const cases[] = {
        {"first label", 0, 1, 1},
        {"label 5", 4, 5, 5},
        {"label 14", 13, 14, 14},
        {"label 15 stays proposed", 14, 15, 14},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(NextLabelCounter(c.chosen), c.next);
        EXPECT_EQ(LabelCounterItem(NextLabelCounter(c.chosen)), c.proposed);
    }
    EXPECT_EQ(LabelCounterItem(0), 0);
}

TEST(StructureLines, UserFlagLineByFlagAndValue) {
    struct Case {
        const char* name;
        UserFlagChoice choice;
        const char* line;
    } const cases[] = {
        {"80 off", {0, false}, "C80"}, {"80 on", {0, true}, "T80"}, {"83 on", {3, true}, "T83"},
        {"87 off", {7, false}, "C87"}, {"87 on", {7, true}, "T87"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(UserFlagLine(c.choice), c.line);
    }
}

TEST(StructureLines, UserFlagsAllAlwaysGivesEightLinesInOrder) {
    struct Case {
        const char* name;
        std::array<std::uint8_t, 8> states;
        std::vector<std::string> lines;
    } const cases[] = {
        {"all off", {}, {"C80", "C81", "C82", "C83", "C84", "C85", "C86", "C87"}},
        {"83 on",
         {0, 0, 0, 1, 0, 0, 0, 0},
         {"C80", "C81", "C82", "T83", "C84", "C85", "C86", "C87"}},
        {"all on",
         {1, 1, 1, 1, 1, 1, 1, 1},
         {"T80", "T81", "T82", "T83", "T84", "T85", "T86", "T87"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(UserFlagsAllLines(c.states), c.lines);
    }
}

TEST(StructureLines, InputAndOutputLinesByNumberAndLevel) {
    struct Case {
        const char* name;
        InputLevelChoice choice;
        const char* wait;
        const char* set;
    } const cases[] = {
        {"1 low", {0, false}, "Z1", "C1"},
        {"3 low", {2, false}, "Z3", "C3"},
        {"12 high", {11, true}, "O12", "T12"},
        {"21 high", {20, true}, "O21", "T21"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(WaitForInputLine(c.choice), c.wait);
        EXPECT_EQ(SetOutputLine(c.choice), c.set);
    }
}

} // namespace
} // namespace orvant
