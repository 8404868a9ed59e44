// The sequencer and configuration dialogs' values and lines, one table per dialog.

#include "language/sequencer_lines.h"

#include <gtest/gtest.h>

namespace orvant {
namespace {

TEST(SequencerLines, MicrostepItemsAndLines) {
    struct Case {
        const char* name;
        std::int32_t m;
        int item;
        const char* line;
    } const cases[] = {
        {"full step", 1, 0, "M1"}, {"2", 2, 1, "M2"},    {"4", 4, 2, "M4"},    {"8", 8, 3, "M8"},
        {"16", 16, 4, "M16"},      {"32", 32, 5, "M32"}, {"64", 64, 6, "M64"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(MicrostepItem(c.m), c.item);
        EXPECT_EQ(MicrostepOfItem(c.item), c.m);
        EXPECT_EQ(MicrostepLine(c.item), c.line);
    }
    EXPECT_EQ(MicrostepItem(-1), 0) << "unset M proposes the full step";
}

TEST(SequencerLines, QualificationItemsAndLines) {
    struct Case {
        const char* name;
        std::int32_t q;
        int item;
        const char* line; // of that item
    } const cases[] = {
        {"1", 1, 0, "Q1"},      {"2", 2, 1, "Q2"},     {"4", 4, 2, "Q4"},
        {"unset", -1, 0, "Q1"}, {"other", 3, 0, "Q1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(QualificationItem(c.q), c.item);
        EXPECT_EQ(QualificationLine(c.item), c.line);
    }
}

TEST(SequencerLines, QualificationRangeMessagePerMicrostep) {
    const std::string head = "Qualification range for actual Microsteps\r";
    struct Case {
        std::int32_t m;
        std::string message;
    } const cases[] = {
        {1, head + "Q1"},          {2, head + "Q2"},  {4, head + "Q1, Q4"},
        {8, head + "Q1, Q2"},      {16, head + "Q4"}, {32, head + "Q1, Q2, Q4"},
        {64, head + "Q1, Q2, Q4"}, {-1, ""},          {0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.m);
        EXPECT_EQ(QualificationRangeMessage(c.m), c.message);
    }
}

TEST(SequencerLines, ProfileIndexAndAuxiliaryLines) {
    EXPECT_EQ(ProfileLine(0), "N1");
    EXPECT_EQ(ProfileLine(4), "N5");
    EXPECT_EQ(ProfileLine(6), "N7");
    struct IndexCase {
        int item;
        const char* line;
    } const index[] = {{0, "X0"}, {9, "X9"}, {10, "XA"}, {15, "XF"}, {16, "XG"}};
    for (const auto& c : index) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(IndexLine(c.item), c.line);
    }
    struct AuxCase {
        const char* name;
        AuxFunctionChoice choice;
        const char* line;
    } const aux[] = {
        {"Runsign off", {0, false}, "C40"},
        {"Runsign on", {0, true}, "T40"},
        {"Recover on", {11, true}, "T51"},
        {"last reserved off", {15, false}, "C55"},
    };
    for (const auto& c : aux) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(AuxFunctionLine(c.choice), c.line);
    }
}

TEST(SequencerLines, MotorResolutionEntry) {
    struct Case {
        const char* name;
        const char* text;
        std::uint16_t code;
        std::int32_t value;
    } const cases[] = {
        {"plain", "400", 0, 400},
        {"leading blanks", " 200", 0, 200},
        {"trailing blanks", "10 ", 0, 10},
        {"highest", "1000", 0, 1000},
        {"empty", "", 2, 0},
        {"blanks only", "   ", 2, 0},
        {"inner blank", "1 0", 2, 0},
        {"not a number", "4x", 2, 0},
        {"zero", "  0", 1, 0},
        {"below range", "9", 1, 0},
        {"above range", "1001", 1, 0},
        {"far above range", "99999999999999999999", 1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const MotorResolutionEntry entry = ParseMotorResolution(c.text);
        EXPECT_EQ(entry.code, c.code);
        EXPECT_EQ(entry.value, c.value);
    }
}

} // namespace
} // namespace orvant
