#pragma once
// The position entry of the Equal, Backward, Forward and Go Absolute commands: a distance
// in revolutions, in steps of the current microstep division, or in microsteps (64 to the
// full step), converted to the microsteps that the controller always takes.

#include <cstdint>
#include <string>
#include <string_view>

namespace orvant {

enum PositionKind : int {
    kRevolutions = 0, // R x 64 microsteps each
    kSteps = 1,       // 64 div M microsteps each
    kMicrosteps = 2,
};

inline constexpr std::int32_t kPositionLowest = 1;
inline constexpr std::int32_t kPositionHighest = 16000000;

inline constexpr const char* kPositionNotInitMessage =
    "Not init value of MICROSTEPS or MOTOR RESOLUTION";
inline constexpr const char* kPositionNotOkMessage = "Entered number not OK ";

// Both settings the conversion needs are known (M and R above 0).
bool PositionSettingsKnown(std::int32_t m, std::int32_t r);

// The text of the revolutions item: "Num. of revolutions (" + R right-aligned in 4 +
// " full steps per revolution)".
std::string RevolutionItemText(std::int32_t r);

// Microsteps in one unit of a kind.
std::int64_t PositionUnit(int kind, std::int32_t m, std::int32_t r);
// "(" + low + " to " + high + ")" for a kind: the limits in microsteps divided by its unit,
// the low one at least 1.
std::string PositionRangeText(int kind, std::int32_t m, std::int32_t r,
                              std::int32_t low = kPositionLowest,
                              std::int32_t high = kPositionHighest);

struct PositionConversion {
    enum Outcome {
        Converted,   // microsteps holds the result
        Empty,       // nothing entered
        NotNumber,   // not a whole decimal number
        TooLarge,    // the microsteps would not fit in 32 bits
        NotMultiple, // microsteps that are no whole number of steps; nearest names one
    };
    Outcome outcome = Empty;
    std::int32_t microsteps = 0;
    std::int64_t nearest = 0;
};

// Converts the field's text (blanks around it allowed) for a kind.
PositionConversion ConvertPosition(int kind, std::string_view text, std::int32_t m, std::int32_t r);

// "Entered Number is not integer multiply of user step !\rNejblizsi cislo je " + n.
std::string NotMultipleMessage(std::int64_t nearest);

// The line sent: the command letter followed by the microsteps in decimal.
std::string PositionLine(char letter, std::int32_t microsteps);

} // namespace orvant
