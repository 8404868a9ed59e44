// The one-number commands' range texts, acceleration check and remembered entry texts.

#include "language/number_commands.h"

#include <gtest/gtest.h>

namespace orvant {
namespace {

struct BandCase {
    const char* name;
    std::int32_t s;
    const char* rangeText;
    std::int32_t lowestFitting;  // lowest acceleration without a warning; 0: every one fits
    std::int32_t highestFitting; //
};

const BandCase kBands[] = {
    {"unset", -1, "(1 to 65000)", 0, 0},
    {"zero", 0, "(1 to 65000)", 0, 0},
    {"below the first band", 15, "(1 to 65000)", 0, 0},
    {"first band, low edge", 16, "(1 to 116)", 1, 116},
    {"first band, high edge", 30, "(1 to 116)", 1, 116},
    {"second band", 31, "(1 to 464)", 1, 464},
    {"third band", 122, "(1 to 1856)", 1, 1856},
    {"fourth band", 200, "(1 to 7424)", 1, 7424},
    {"fifth band", 488, "(1 to 29694)", 1, 29694},
    {"sixth band", 489, "(2 to 65000)", 2, 65000},
    {"seventh band, low edge", 977, "(8 to 65000)", 8, 65000},
    {"seventh band, high edge", 1950, "(8 to 65000)", 8, 65000},
    {"above the last band", 1951, "(1 to 65000)", 0, 0},
};

TEST(NumberCommandsTest, AccelerationRangeTextAndCheckFollowTheStartStopBands) {
    for (const BandCase& c : kBands) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(AccelerationRangeText(c.s), c.rangeText);
        if (c.lowestFitting == 0) {
            for (const std::int32_t a : {-1, 0, 1, 64, 65000, 70000})
                EXPECT_TRUE(AccelerationSuitsStartStop(c.s, a)) << "A=" << a;
            continue;
        }
        EXPECT_TRUE(AccelerationSuitsStartStop(c.s, c.lowestFitting));
        EXPECT_TRUE(AccelerationSuitsStartStop(c.s, c.highestFitting));
        EXPECT_FALSE(AccelerationSuitsStartStop(c.s, c.lowestFitting - 1));
        EXPECT_FALSE(AccelerationSuitsStartStop(c.s, c.highestFitting + 1));
        EXPECT_FALSE(AccelerationSuitsStartStop(c.s, -1)) << "an unset A never fits";
    }
}

TEST(NumberCommandsTest, ChainedRangeTexts) {
    EXPECT_EQ(VelocityRangeFromStartStop(200), "(200-20000)\r(200-40000)-K2207F");
    EXPECT_EQ(StartStopRangeFromVelocity(100), "(100 to 19500)");
}

TEST(NumberCommandsTest, RememberedEntryTextsStartAtTheInitialTextsAndLastTheRun) {
    Session session;
    const struct {
        const char* handler;
        const char* initial;
    } kInitial[] = {{"Acceleration1Click", "64"}, {"StartStop1Click", "200"},
                    {"Velocity1Click", "1000"},   {"PrOfile1Click", "7000"},
                    {"TurnOn1Click", ""},         {"SeekNegative1Click", ""}};
    for (const auto& c : kInitial) {
        SCOPED_TRACE(c.handler);
        EXPECT_EQ(RememberedEntryText(session, OneNumberRowFor(c.handler)), c.initial);
    }
    RememberedEntryText(session, OneNumberRowFor("Velocity1Click")) = "     500";
    EXPECT_EQ(RememberedEntryText(session, OneNumberRowFor("Velocity1Click")), "     500");
    EXPECT_EQ(RememberedEntryText(session, OneNumberRowFor("StartStop1Click")), "200");
    EXPECT_THROW(OneNumberRowFor("Nothing1Click"), std::logic_error);
}

TEST(NumberCommandsTest, TheLineIsThePrefixAndTheTextWithItsBlanks) {
    EXPECT_EQ(OneNumberLine('V', "    1500"), "V    1500");
    EXPECT_EQ(OneNumberLine(':', ""), ":");
}

} // namespace
} // namespace orvant
