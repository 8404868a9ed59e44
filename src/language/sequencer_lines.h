#pragma once
// What the sequencer and configuration dialogs turn their choices into: microstep and
// qualification values by item, the qualification misfit message, and the lines of the
// profile, index and auxiliary-function dialogs. Item numbers count from 0.

#include <cstdint>
#include <string>

namespace orvant {

// Microsteps per full step of item 0..6: 1, 2, 4, ..., 64.
std::int32_t MicrostepOfItem(int item);
// The item of microstep setting M (1, 2, 4, ..., 64); item 0 for an unset or other M.
int MicrostepItem(std::int32_t m);
// "M" and the microsteps of the item.
std::string MicrostepLine(int item);

// Qualification of item 0..2: 1, 2, 4.
std::int32_t QualificationOfItem(int item);
// The item proposed for qualification Q: 2 gives item 1, 4 item 2, anything else item 0.
int QualificationItem(std::int32_t q);
// "Q" and the qualification of the item.
std::string QualificationLine(int item);
// The error text when a qualification does not suit microstep setting M, for example
// "Qualification range for actual Microsteps\rQ1, Q4" for M = 4; empty when M is unset or
// not a microstep setting (every qualification suits it then).
std::string QualificationRangeMessage(std::int32_t m);

// "N" and the characteristic number (item + 1, 1..7).
std::string ProfileLine(int item);

// Index items 0..16: addresses 0..15 and 16 for all.
inline constexpr int kIndexAllItem = 16;
// "X" and the address character: "0".."9", then "A".."G".
std::string IndexLine(int item);

struct AuxFunctionChoice {
    int function = 0; // 0..15 for auxiliary functions 40..55
    bool on = false;  // the "On" state
};
// "T" + (function + 40) for On, "C" + (function + 40) for Off.
std::string AuxFunctionLine(const AuxFunctionChoice& choice);

// Motor resolution: full steps per revolution.
inline constexpr std::int32_t kLowestMotorResolution = 10;
inline constexpr std::int32_t kHighestMotorResolution = 1000;
struct MotorResolutionEntry {
    std::uint16_t code = 0; // 0 accepted, 1 out of range, 2 not a number
    std::int32_t value = 0;
};
// Reads the entry field's text: blanks around the number are ignored; an empty text or one
// that is not a decimal number is a syntax error (2), a number outside 10..1000 is out of
// range (1), since the position entry needs a revolution of some size.
MotorResolutionEntry ParseMotorResolution(const std::string& text);

} // namespace orvant
