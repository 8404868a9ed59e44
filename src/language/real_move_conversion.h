#pragma once
// The Real Move panel's arithmetic: a distance in user units becomes a whole number of
// microsteps that the controller's current microstep setting can reach, and the value
// actually reached is shown back in user units.
//
// Positions count microsteps of 1/64 full step. With M microsteps per full step, a move is a
// whole multiple of 64 / M microsteps; the quotient is rounded to the nearest integer, exact
// halves to the even neighbour.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvant {

inline constexpr std::int32_t kMinStepsPerUnit = 1;
inline constexpr std::int32_t kMaxStepsPerUnit = 8000000;

inline constexpr const char* kNoRealNumberText = "It is no real number - syntax error";
// A distance whose microstep count does not fit the controller's 32-bit move argument; sent
// anyway it would wrap into a different (possibly reversed) move.
inline constexpr const char* kDistanceBeyondRangeText =
    "Distance is beyond the range of the controller -\r"
    "a move takes at most 2147483647 microsteps";

// A decimal number with "." as the point whatever the locale; leading blanks allowed, an
// optional sign and exponent. Nothing when the text is not such a number (also "inf", "nan",
// and numbers beyond the range of a double).
std::optional<double> ParseRealNumber(std::string_view text);

// The microsteps-per-unit text as an integer kept within 1..8000000: above 8000000 (however
// many digits) becomes 8000000; 0, negative or not a number becomes 1. Blanks around the
// digits are allowed.
std::int32_t StepsPerUnitFromText(std::string_view text);

// Microsteps of 1/64 full step that one step of microstep setting M takes (64 / M). M not
// known (0 or below) counts as 64. A setting that does not divide 64 is taken as its whole
// quotient, never below 1.
std::int32_t MoveGranularity(std::int32_t microstep);

// `value` with `digits` digits after the point (kept within 0..9), right-aligned in `width`
// characters with leading blanks.
std::string UserUnitsText(double value, int digits, int width);

// The reachable move for one value in user units.
struct ReachableMove {
    std::optional<std::int32_t> steps; // nothing when the count does not fit 32 bits
    std::string shown; // steps / stepsPerUnit in 15 characters (the value itself when no steps)
};

// A negative or non-finite value counts as 0. `stepsPerUnit` below 1 counts as 1.
ReachableMove ReachableDistance(double value, std::int32_t stepsPerUnit, std::int32_t microstep,
                                int digits);

// One distance field converted.
struct RealMoveConversion {
    bool isNumber = false; // false: the operator is told kNoRealNumberText
    // The value the record keeps for the field: the number entered (negative made 0), or the
    // stored value when the text is not a number or its step count does not fit.
    double value = 0;
    // Microsteps to move; nothing when the move must not be sent (the operator is told
    // kDistanceBeyondRangeText).
    std::optional<std::int32_t> steps;
    std::string shown; // the reachable value of `value`, for the field
};

RealMoveConversion ConvertRealMove(std::string_view text, double stored, std::int32_t stepsPerUnit,
                                   std::int32_t microstep, int digits);

// The position read back, in user units: position / stepsPerUnit in 10 characters.
std::string UploadedPositionText(std::int32_t position, std::int32_t stepsPerUnit, int digits);

} // namespace orvant
