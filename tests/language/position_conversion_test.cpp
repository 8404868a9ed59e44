// The position entry's conversion to microsteps and its range texts.

#include "language/position_conversion.h"

#include <gtest/gtest.h>

namespace orvant {
namespace {

using Outcome = PositionConversion::Outcome;

struct ConversionCase {
    const char* name;
    int kind;
    const char* text;
    std::int32_t m;
    std::int32_t r;
    Outcome outcome;
    std::int64_t value; // microsteps when converted, the nearest multiple when not one
};

const ConversionCase kConversions[] = {
    {"microsteps, a multiple of the step", kMicrosteps, "48", 4, 200, Outcome::Converted, 48},
    {"microsteps, 2.5 steps round to 2", kMicrosteps, "40", 4, 200, Outcome::NotMultiple, 32},
    {"microsteps, 1.5 steps round to 2", kMicrosteps, "24", 4, 200, Outcome::NotMultiple, 32},
    {"microsteps, 3.5 steps round to 4", kMicrosteps, "56", 4, 200, Outcome::NotMultiple, 64},
    {"microsteps, half a step rounds to 0", kMicrosteps, "8", 4, 200, Outcome::NotMultiple, 0},
    {"microsteps, nearer the upper multiple", kMicrosteps, "45", 4, 200, Outcome::NotMultiple, 48},
    {"microsteps, every number at M = 64", kMicrosteps, "12345", 64, 200, Outcome::Converted,
     12345},
    {"microsteps, field blanks around", kMicrosteps, "  48    ", 4, 200, Outcome::Converted, 48},
    {"steps of the division", kSteps, "100", 4, 200, Outcome::Converted, 1600},
    {"steps at M = 64", kSteps, "7", 64, 200, Outcome::Converted, 7},
    {"revolutions", kRevolutions, "2", 4, 200, Outcome::Converted, 25600},
    {"zero is passed on for the checker", kMicrosteps, "0", 4, 200, Outcome::Converted, 0},
    {"empty", kMicrosteps, "", 4, 200, Outcome::Empty, 0},
    {"blanks only", kSteps, "        ", 4, 200, Outcome::Empty, 0},
    {"not a number", kMicrosteps, "12a", 4, 200, Outcome::NotNumber, 0},
    {"a sign is no whole decimal number", kMicrosteps, "-16", 4, 200, Outcome::NotNumber, 0},
    {"blank inside", kMicrosteps, "1 6", 4, 200, Outcome::NotNumber, 0},
    {"revolutions beyond 32 bits", kRevolutions, "99999999", 4, 1000, Outcome::TooLarge, 0},
    {"revolutions just within 32 bits", kRevolutions, "33554", 4, 1000, Outcome::Converted,
     2147456000},
    {"revolutions just beyond 32 bits", kRevolutions, "33555", 4, 1000, Outcome::TooLarge, 0},
    {"steps beyond 32 bits", kSteps, "99999999", 1, 200, Outcome::TooLarge, 0},
    {"microsteps beyond 32 bits", kMicrosteps, "99999999999", 64, 200, Outcome::TooLarge, 0},
    {"a very long number", kMicrosteps, "123456789012345678901234", 64, 200, Outcome::TooLarge, 0},
};

TEST(PositionConversionTest, ConvertsToMicrostepsOrSaysWhyNot) {
    for (const ConversionCase& c : kConversions) {
        SCOPED_TRACE(c.name);
        const PositionConversion out = ConvertPosition(c.kind, c.text, c.m, c.r);
        EXPECT_EQ(out.outcome, c.outcome);
        if (c.outcome == Outcome::Converted) {
            EXPECT_EQ(out.microsteps, c.value);
        }
        if (c.outcome == Outcome::NotMultiple) {
            EXPECT_EQ(out.nearest, c.value);
        }
    }
}

struct RangeCase {
    const char* name;
    int kind;
    std::int32_t m;
    std::int32_t r;
    const char* text;
};

const RangeCase kRanges[] = {
    {"revolutions, R = 200", kRevolutions, 4, 200, "(1 to 1250)"},
    {"revolutions, R = 1000", kRevolutions, 4, 1000, "(1 to 250)"},
    {"steps, M = 4", kSteps, 4, 200, "(1 to 1000000)"},
    {"steps, M = 64", kSteps, 64, 200, "(1 to 16000000)"},
    {"steps, M = 1", kSteps, 1, 200, "(1 to 250000)"},
    {"microsteps", kMicrosteps, 4, 200, "(1 to 16000000)"},
};

TEST(PositionConversionTest, RangeTextPerKind) {
    for (const RangeCase& c : kRanges) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(PositionRangeText(c.kind, c.m, c.r), c.text);
    }
}

TEST(PositionConversionTest, TextsOfTheDialog) {
    EXPECT_EQ(RevolutionItemText(200), "Num. of revolutions ( 200 full steps per revolution)");
    EXPECT_EQ(RevolutionItemText(1000), "Num. of revolutions (1000 full steps per revolution)");
    EXPECT_EQ(RevolutionItemText(12345), "Num. of revolutions (12345 full steps per revolution)");
    EXPECT_EQ(NotMultipleMessage(32),
              "Entered Number is not integer multiply of user step !\rNejblizsi cislo je 32");
    EXPECT_EQ(PositionLine('B', 1600), "B1600");
    EXPECT_FALSE(PositionSettingsKnown(-1, 200));
    EXPECT_FALSE(PositionSettingsKnown(4, -1));
    EXPECT_FALSE(PositionSettingsKnown(0, 200)) << "M = 0 is not known either";
    EXPECT_TRUE(PositionSettingsKnown(4, 200));
}

} // namespace
} // namespace orvant
