#pragma once
// The one-line command checker: rewrites a script line into its normal form, decides
// whether the command and its argument suit the connected controller model and the current
// motion settings, and keeps the session up to date (program size, per-address settings,
// current address).

#include "language/session.h"

#include <cstdint>
#include <optional>
#include <string>

namespace orvant {

// Result codes of CheckCommandLine. The values are fixed: callers store and compare them.
enum CommandCheckCode : std::uint16_t {
    kCommandAccepted = 0,     // line accepted (also an empty line)
    kNumberOutOfRange = 1,    // number outside its range or set
    kSyntaxError = 2,         // malformed argument
    kCommandUnknown = 3,      // unknown command character
    kNoAnswer = 4,            // never produced here; callers use it for a silent controller
    kAccelerationBand = 5,    // acceleration outside the band the start/stop velocity allows
    kNotUserStepMultiple = 6, // position not a whole multiple of the user step
};

// Value stored for "S" and "V" given without a number (counts as not known).
inline constexpr std::int32_t kBareVelocityValue = -2147483647;
// Value stored for "M", "Q" and "A" given without a number.
inline constexpr std::int32_t kBareSettingValue = -1;

// How a command's argument is read.
enum class CommandForm : std::uint8_t {
    Unknown,
    Number,        // optional unsigned number within a fixed range
    Velocity,      // number form, highest value by model
    Label,         // number form, 1..highest label by model
    Output,        // number form, the output set 1..21, 40..87, 100
    Port,          // "!" and "?"
    Condition,     // "I": input, H or L, label
    Acceleration,  // "A": band chosen by the start/stop velocity
    Microstep,     // "M": 1, 2, 4, ... 64
    Qualification, // "Q": 1, 2, 4 by the microstep setting
    Position,      // "=", "B", "F": multiple of the user step
    Go,            // "G+", "G-" or a position
    Address,       // "X": controller address
    Single,        // the command character alone
};

inline constexpr unsigned char kFirstCommand = '!';
inline constexpr unsigned char kLastCommand = '_';

// What the checker knows of one command character: how its argument is read, the program
// memory it takes, and the number range its form checks (for a Condition the input number;
// hi is 0 where the highest value depends on the model).
struct CommandSyntax {
    CommandForm form;
    std::uint8_t sizeBits;
    std::int32_t lo;
    std::int32_t hi;
};

// What the checker reads a character as: small letters count as capitals.
constexpr char AsCommandCharacter(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// The checker's rule for `c`; none for characters that are not commands.
std::optional<CommandSyntax> CommandSyntaxOf(unsigned char c);

// Whether `n` is one of the numbers that "C" and "T" accept (1..21, 40..87, 100).
bool OutputNumberAccepted(std::int32_t n);

// Checks one command line and replaces it with its normal form (in every outcome; on most
// errors the line becomes empty or only the command character). On result 0 the size of
// the command is added to session.ProgramBits and the setting the command carries is
// recorded for the current address. Never throws, never grows the line, and allocates
// nothing beyond the line's own buffer.
std::uint16_t CheckCommandLine(std::string& line, Session& session);

// The user step of a microstep setting M: 64 div M microsteps, and 1 when M is not known
// (or so large that the quotient would be 0).
std::int32_t UserStep(std::int32_t m);

// Whether qualification q suits the microstep setting M of the current address.
bool QualificationFits(std::int32_t q, const Session& session);

} // namespace orvant
