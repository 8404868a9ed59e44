#include "language/real_move_conversion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace orvant {
namespace {

struct ConversionCase {
    const char* name;
    std::string text;
    double stored;
    std::int32_t stepsPerUnit;
    std::int32_t microstep;
    int digits;
    bool isNumber;
    double value; // kept in the record
    std::optional<std::int32_t> steps;
    std::string shown;
};

TEST(RealMoveConversionTest, Cases) {
    const ConversionCase cases[] = {
        // 12.3 / 4 = 3.075, nearest 3, 3 x 4 = 12 microsteps, 1.2 units reached.
        {"spec example", "1.23", 0, 10, 16, 1, true, 1.23, 12, "            1.2"},
        {"leading blanks", "     1.23", 0, 10, 16, 1, true, 1.23, 12, "            1.2"},
        {"shown text reads back", "            1.2", 0, 10, 16, 1, true, 1.2, 12,
         "            1.2"},
        {"q 2.5 goes to the even 2", "2.5", 0, 4, 16, 2, true, 2.5, 8, "           2.00"},
        {"q 3.5 goes to the even 4", "3.5", 0, 4, 16, 2, true, 3.5, 16, "           4.00"},
        {"M unknown: one microstep", "0.75", 0, 4, -1, 2, true, 0.75, 3, "           0.75"},
        {"the same with M 16", "0.75", 0, 4, 16, 2, true, 0.75, 4, "           1.00"},
        {"M 0 counts as unknown", "0.75", 0, 4, 0, 2, true, 0.75, 3, "           0.75"},
        {"M 1: whole full steps", "1", 0, 100, 1, 0, true, 1, 128, "              1"},
        {"M 64: one microstep", "1.05", 0, 10, 64, 1, true, 1.05, 10, "            1.0"},
        {"negative becomes 0", "-5", 7, 10, 16, 1, true, 0, 0, "            0.0"},
        {"negative zero becomes 0", "-0", 7, 10, 16, 1, true, 0, 0, "            0.0"},
        {"explicit plus sign", "+2", 0, 10, 64, 0, true, 2, 20, "              2"},
        {"exponent", "1e2", 0, 10, 64, 0, true, 100, 1000, "            100"},
        {"no digits before the point", ".5", 0, 10, 64, 1, true, 0.5, 5, "            0.5"},
        {"three digits", "1.23", 0, 100, 64, 3, true, 1.23, 123, "          1.230"},
        {"no digits", "1.23", 0, 100, 64, 0, true, 1.23, 123, "              1"},
        {"comma is no point", "1,5", 2, 10, 64, 1, false, 2, 20, "            2.0"},
        {"empty text", "", 3, 10, 64, 1, false, 3, 30, "            3.0"},
        {"letters", "abc", 3, 10, 64, 1, false, 3, 30, "            3.0"},
        {"trailing garbage", "1.5x", 3, 10, 64, 1, false, 3, 30, "            3.0"},
        {"infinity is no number", "inf", 3, 10, 64, 1, false, 3, 30, "            3.0"},
        {"nan is no number", "nan", 3, 10, 64, 1, false, 3, 30, "            3.0"},
        {"beyond a double", "1e400", 3, 10, 64, 1, false, 3, 30, "            3.0"},
        {"largest move that fits", "2147483647", 0, 1, 64, 0, true, 2147483647, 2147483647,
         "     2147483647"},
        // One more microstep would wrap into a reversed move: refused, the record keeps 5.
        {"32-bit overflow refused", "2147483648", 5, 1, 64, 0, true, 5, std::nullopt,
         "              5"},
        {"overflow through the unit", "300", 5, 8000000, 64, 0, true, 5, std::nullopt,
         "              5"},
        // 5 whole steps of 64 microsteps are 0 full steps: the stored 5 reaches 0.
        {"rounding up past the limit", "2147483647", 5, 1, 1, 0, true, 5, std::nullopt,
         "              0"},
        {"stored value beyond range", "x", 1e12, 10, 64, 0, false, 1e12, std::nullopt,
         "  1000000000000"},
        {"stored value not finite", "x", std::numeric_limits<double>::quiet_NaN(), 10, 64, 1, false,
         std::numeric_limits<double>::quiet_NaN(), 0, "            0.0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const RealMoveConversion r =
            ConvertRealMove(c.text, c.stored, c.stepsPerUnit, c.microstep, c.digits);
        EXPECT_EQ(r.isNumber, c.isNumber);
        if (std::isnan(c.value))
            EXPECT_TRUE(std::isnan(r.value));
        else
            EXPECT_EQ(r.value, c.value);
        EXPECT_FALSE(std::signbit(r.value));
        EXPECT_EQ(r.steps, c.steps);
        EXPECT_EQ(r.shown, c.shown);
    }
}

TEST(RealMoveConversionTest, StepsPerUnitText) {
    const struct {
        const char* name;
        std::string text;
        std::int32_t expected;
    } cases[] = {
        {"plain", "10", 10},
        {"leading blanks of the mask", "        25", 25},
        {"trailing blanks", "25   ", 25},
        {"zero becomes 1", "0", 1},
        {"empty becomes 1", "          ", 1},
        {"negative becomes 1", "-5", 1},
        {"not a number becomes 1", "1 2", 1},
        {"upper limit", "8000000", 8000000},
        {"above the limit", "9999999", 8000000},
        {"beyond 32 bits", "9999999999", 8000000},
        {"many leading zeros", "000000000012", 12},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(StepsPerUnitFromText(c.text), c.expected);
    }
}

TEST(RealMoveConversionTest, UploadedPositionInUserUnits) {
    EXPECT_EQ(UploadedPositionText(10000, 10, 1), "    1000.0");
    EXPECT_EQ(UploadedPositionText(16777215, 1, 0), "  16777215");
    EXPECT_EQ(UploadedPositionText(5, 0, 0), "         5") << "a damaged unit counts as 1";
}

TEST(RealMoveConversionTest, DigitsOutsideOneFieldAreKeptWithinIt) {
    EXPECT_EQ(UserUnitsText(1.5, -3, 10), "         2");
    EXPECT_EQ(UserUnitsText(1.5, 2000000000, 10), "1.500000000");
}

} // namespace
} // namespace orvant
