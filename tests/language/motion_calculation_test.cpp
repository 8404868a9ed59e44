#include "language/motion_calculation.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace orvant {
namespace {

using Texts = std::array<std::string, kMotionValueCount>;
constexpr auto D = MotionValue::Distance;
constexpr auto A = MotionValue::Acceleration;
constexpr auto T = MotionValue::Time;
constexpr auto Vm = MotionValue::MaxVelocity;
constexpr auto Vs = MotionValue::StartStopVelocity;

std::string Refused(const std::string& message) {
    return message + "\rPlease change input values.";
}

// The start texts: 64000 steps at 64 steps/s² between 100 and 1000 steps/s.
const Texts kStart = {"64000", "64", "", "1000", "100"};

TEST(MotionCalculationTest, TheStartTextsGiveTheTrapezoidOfTheWorkedExample) {
    const MotionResult r = CalculateMotion(kStart);
    ASSERT_TRUE(r.solved());
    EXPECT_EQ(r.unknown, T);
    EXPECT_FALSE(r.triangular);
    EXPECT_TRUE(r.messages.empty());
    EXPECT_DOUBLE_EQ(r.values.T, 76.65625);
    EXPECT_DOUBLE_EQ(r.phases.T1, 14.0625);
    EXPECT_DOUBLE_EQ(r.phases.Th, 38.328125);
    EXPECT_DOUBLE_EQ(r.phases.T2, 62.59375);
    EXPECT_DOUBLE_EQ(r.phases.Tc, 48.53125);
    EXPECT_DOUBLE_EQ(r.phases.S1, 7734.375);
    EXPECT_DOUBLE_EQ(r.phases.S2, 48531.25);

    const MotionDisplayTexts t = DisplayTexts(r);
    EXPECT_EQ(t.fields, (Texts{"64000", "64", "76.66", "1000", "100"}));
    EXPECT_TRUE(t.trapezoidal);
    EXPECT_EQ(t.OutS, "S = 2.S1 + S2");
    EXPECT_EQ(t.X0, "0");
    EXPECT_EQ(t.x1, "14.06");
    EXPECT_EQ(t.x2, "38.33");
    EXPECT_EQ(t.x3, "62.59");
    EXPECT_EQ(t.x4, "76.66");
    EXPECT_EQ(t.Vmax, "1000");
    EXPECT_EQ(t.Vmin, "100");
    EXPECT_EQ(t.VS1, "7734");
    EXPECT_EQ(t.VS2, "48531");
    EXPECT_EQ(t.T12, "T (V = konst) = 48.53s");
}

// Each unknown in both profiles. The trapezoid is the worked example seen from each of its
// five values; the triangle accelerates from 100 at 64 steps/s² for 10 s, reaching 740 steps/s
// at T/2 = 10 s and covering 8400 steps, while the operator allows 1000 steps/s.
struct SolvedCase {
    const char* name;
    Texts texts;
    MotionValue unknown;
    bool triangular;
    MotionValues expected;
};

TEST(MotionCalculationTest, EachUnknownInBothProfiles) {
    const MotionValues trapezoid{64000, 64, 76.65625, 1000, 100};
    const MotionValues triangle{8400, 64, 20, 740, 100};
    const SolvedCase cases[] = {
        {"D trapezoidal", {"", "64", "76.65625", "1000", "100"}, D, false, trapezoid},
        {"A trapezoidal", {"64000", "", "76.65625", "1000", "100"}, A, false, trapezoid},
        {"T trapezoidal", kStart, T, false, trapezoid},
        {"Vm trapezoidal", {"64000", "64", "76.65625", "", "100"}, Vm, false, trapezoid},
        {"Vs trapezoidal", {"64000", "64", "76.65625", "1000", ""}, Vs, false, trapezoid},
        {"D triangular", {"", "64", "20", "1000", "100"}, D, true, triangle},
        {"A triangular", {"8400", "", "20", "1000", "100"}, A, true, triangle},
        {"T triangular", {"8400", "64", "", "1000", "100"}, T, true, triangle},
        {"Vs triangular", {"8400", "64", "20", "1000", ""}, Vs, true, triangle},
        // Exactly the distance of the triangle: the trapezoid without a constant part.
        {"Vm at the triangle's edge", {"8400", "64", "20", "", "100"}, Vm, false, triangle},
    };
    for (const SolvedCase& c : cases) {
        SCOPED_TRACE(c.name);
        const MotionResult r = CalculateMotion(c.texts);
        ASSERT_TRUE(r.solved()) << (r.messages.empty() ? "" : r.messages[0]);
        EXPECT_EQ(r.unknown, c.unknown);
        EXPECT_EQ(r.triangular, c.triangular);
        for (MotionValue v : {D, A, T, Vm, Vs})
            EXPECT_NEAR(r.values[v], c.expected[v], 1e-9) << static_cast<int>(v);
        if (c.triangular) {
            // The peak is at T/2, the constant part is empty, and the entered maximum
            // velocity is replaced by the one reached.
            EXPECT_NEAR(r.phases.T1, r.phases.Th, 1e-9);
            EXPECT_NEAR(r.phases.Tc, 0, 1e-9);
            EXPECT_NEAR(r.phases.S2, 0, 1e-9);
            EXPECT_NEAR(2 * r.phases.S1, r.values.D, 1e-6);
            const MotionDisplayTexts t = DisplayTexts(r);
            EXPECT_FALSE(t.trapezoidal);
            EXPECT_EQ(t.OutS, "S = 2.S1");
            EXPECT_EQ(t.fields[3], "740");
            EXPECT_EQ(t.x2, "10.00");
            EXPECT_EQ(t.T12, "T (V = konst) = 0.00s");
        } else {
            EXPECT_NEAR(2 * r.phases.S1 + r.phases.S2, r.values.D, 1e-6);
        }
    }
}

// Refusals: the reading messages with the field that gets the focus, and the calculation
// messages in order, each followed by the request to change the values.
struct RefusedCase {
    const char* name;
    Texts texts;
    MotionOutcome outcome;
    std::vector<std::string> messages;
    std::optional<MotionValue> focus;
};

TEST(MotionCalculationTest, RefusalsAndTheirOrder) {
    const std::string under = Refused("Maximum velocity under Start/Stop velocity!");
    const std::string zero = Refused("Acceleration or StartStop equals zero !");
    const std::string negative = Refused("Not allowed negative result !");
    const std::string noVmax = Refused("Impossible calculate such Vmax !");
    const auto reading = MotionOutcome::ReadingRefused;
    const auto failed = MotionOutcome::CalculationFailed;
    const RefusedCase cases[] = {
        {"two empty fields", {"64000", "", "", "1000", "100"}, reading, {kFewParameters}, T},
        {"? counts as empty", {"64000", "64", " ? ", "?", "100"}, reading, {kFewParameters}, Vm},
        {"no empty field", {"64000", "64", "10", "1000", "100"}, reading, {kNoUnknown}, {}},
        {"not a number", {"64000", "6 4", "", "1000", "100"}, reading, {kNoNumericInput}, A},
        {"decimal comma", {"64000", "64", "", "1000,5", "100"}, reading, {kNoNumericInput}, Vm},
        {"inf is no number", {"64000", "64", "", "inf", "100"}, reading, {kNoNumericInput}, Vm},
        {"beyond a double", {"1e999", "64", "", "1000", "100"}, reading, {kNoNumericInput}, D},
        {"fields read in order", {"x", "", "", "1000", "100"}, reading, {kNoNumericInput}, D},
        {"empty before bad", {"", "", "x", "1000", "100"}, reading, {kFewParameters}, A},
        {"D: Vm under Vs", {"", "64", "10", "100", "1000"}, failed, {under}, {}},
        {"A: Vm under Vs", {"64000", "", "10", "100", "1000"}, failed, {under}, {}},
        {"T: Vm under Vs", {"64000", "64", "", "100", "1000"}, failed, {under}, {}},
        {"T: Vm under Vs and A zero", {"64000", "0", "", "100", "1000"}, failed, {under, zero}, {}},
        {"T: Vs zero", {"64000", "64", "", "1000", "0"}, failed, {zero}, {}},
        {"Vm: distance under Vs·T", {"1000", "64", "20", "", "100"}, failed, {noVmax}, {}},
        {"Vm: beyond the triangle", {"9000", "64", "20", "", "100"}, failed, {noVmax}, {}},
        {"Vs: distance over Vm·T",
         {"64000", "64", "20", "1000", ""},
         failed,
         {Refused("Impossible calculate such Vstart !")},
         {}},
        {"D: no acceleration",
         {"", "0", "10", "100", "100"},
         failed,
         {Refused("Not allowed zero value for Acceleration !")},
         {}},
        {"A: Vm·T is the distance",
         {"10000", "", "10", "1000", "100"},
         failed,
         {Refused("Impossible calculate such A!")},
         {}},
        {"A: zero time, negative distance",
         {"-100", "", "0", "1000", "100"},
         failed,
         {Refused("Not allowed zero value for Time !"), negative},
         {}},
        {"T: zero Vm",
         {"64000", "64", "", "0", "-100"},
         failed,
         {Refused("Not allowed zero value for Vm !"), negative},
         {}},
        {"negative result", {"", "-64", "20", "1000", "100"}, failed, {negative}, {}},
        // The triangular time takes the root of Vs² + A·D, negative here: no such move.
        {"T: root of a negative number",
         {"-200", "64", "", "50", "-100"},
         failed,
         {Refused("Impossible calculate such Time !"), negative},
         {}},
        // Values beyond any move overflow the formulas.
        {"T: overflow",
         {"1e308", "1e308", "", "1e308", "1"},
         failed,
         {Refused("Impossible calculate such Time !")},
         {}},
        {"D: overflow",
         {"", "1e308", "1e10", "1e308", "1"},
         failed,
         {Refused("Impossible calculate such Distance !")},
         {}},
    };
    for (const RefusedCase& c : cases) {
        SCOPED_TRACE(c.name);
        const MotionResult r = CalculateMotion(c.texts);
        EXPECT_EQ(r.outcome, c.outcome);
        EXPECT_EQ(r.messages, c.messages);
        EXPECT_EQ(r.focus, c.focus);
    }
}

TEST(MotionCalculationTest, StepsAndVelocitiesAreRoundedHalfToEvenWhileTheTimeIsNot) {
    struct Case {
        const char* name;
        const char* text;
        MotionValue field;
        double stored;
    };
    const Case cases[] = {
        {"D 12.6", "12.6", D, 13},        {"D 12.5", "12.5", D, 12},
        {"D 13.5", "13.5", D, 14},        {"D -12.5", "-12.5", D, -12},
        {"A 64.5", "64.5", A, 64},        {"Vm 999.5 exponent", "9.995e2", Vm, 1000},
        {"Vs +100.4", "+100.4", Vs, 100}, {"T keeps decimals", "12.345", T, 12.345},
        {"T .5", ".5", T, 0.5},           {"D 5.", "5.", D, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Texts texts = {"64000", "64", "30", "1000", "100"};
        texts[static_cast<std::size_t>(c.field)] = c.text;
        // The unknown is a field other than the one under test.
        const MotionValue unknown = c.field == D ? A : D;
        texts[static_cast<std::size_t>(unknown)] = "";
        const MotionResult r = CalculateMotion(texts);
        EXPECT_EQ(r.unknown, unknown);
        EXPECT_DOUBLE_EQ(r.values[c.field], c.stored);
    }
}

TEST(MotionCalculationTest, BlanksAndControlCharactersAroundAFieldAreIgnored) {
    EXPECT_EQ(TrimMotionText("\t 64000\r\n "), "64000");
    EXPECT_EQ(TrimMotionText(std::string("\0 ?", 3)), "?");
    const MotionResult r = CalculateMotion({" 64000\t", "64 ", "\t", " 1000", "100\n"});
    ASSERT_TRUE(r.solved());
    EXPECT_DOUBLE_EQ(r.values.T, 76.65625);
}

} // namespace
} // namespace orvant
