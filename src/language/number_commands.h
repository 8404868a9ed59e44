#pragma once
// The one-number commands of the Program, In-Out and Move menus: one row per command with
// everything its entry dialog shows and the prefix of the line it sends, the remembered
// entry texts, and the range texts and the acceleration check that keep start/stop
// velocity, velocity and acceleration consistent.

#include "language/session.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace orvant {

// Edit masks of the entry fields: up to 8 and up to 3 decimal digits, unfilled positions
// as leading blanks.
inline constexpr const char* kEightDigitMask = "!99999999;1;.";
inline constexpr const char* kThreeDigitMask = "!999;1;.";

struct OneNumberRow {
    const char* handler; // menu handler, "Velocity1Click"
    int helpContext;
    const char* title;       // window title, leading blanks included
    const char* description; // the dialog's first line
    const char* rangeText;   // "\r" separates lines
    const char* mask;
    char prefix;             // the command character in front of the number
    const char* initialText; // the remembered entry text at program start
};

// The fifteen one-number commands in menu order.
std::span<const OneNumberRow> OneNumberRows();
// The row of a handler; throws std::logic_error for a handler that has none.
const OneNumberRow& OneNumberRowFor(std::string_view handler);

// The remembered entry text of a row for this run, starting at the row's initial text.
std::string& RememberedEntryText(Session& session, const OneNumberRow& row);

// The line of a one-number entry: the prefix followed by the field's text, blanks included
// (the checker skips them).
std::string OneNumberLine(char prefix, std::string_view entryText);

// The Acceleration dialog's range text for start/stop velocity S: the band's limits, or
// "(1 to 65000)" when S lies in no band.
std::string AccelerationRangeText(std::int32_t s);
// False when S lies in a band and A lies outside its limits (an unset A always does): the
// operator is then warned and the Acceleration entry follows.
bool AccelerationSuitsStartStop(std::int32_t s, std::int32_t a);

// The Velocity range text after a Start/Stop above the velocity:
// "(S-20000)\r(S-40000)-K2207F".
std::string VelocityRangeFromStartStop(std::int32_t s);
// The Start/Stop range text after a Velocity below the start/stop velocity: "(V to 19500)".
std::string StartStopRangeFromVelocity(std::int32_t v);

} // namespace orvant
