#include "language/number_commands.h"

#include "language/acceleration_bands.h"

#include <array>
#include <stdexcept>

namespace orvant {

namespace {

constexpr const char* kOutputRange = "(1 to 21)\r(40 to 79)\r(80 to 87)\r(75 or 100)";
constexpr const char* kPortRange = "(1 to 7) (1 to 7)\r(10 to 17) (1 to 8)\r(18 to 21) (1 to 4)";
constexpr const char* kByteRange = "(1 to 255)";

constexpr std::array<OneNumberRow, 15> kRows = {{
    {"TurnOn1Click", 10503, "Turn On", "Set user OUTPUT", kOutputRange, kThreeDigitMask, 'T', ""},
    {"Clear1Click", 10504, " Clear", "Clear user OUTPUT or FLAGS or AUX", kOutputRange,
     kThreeDigitMask, 'C', ""},
    {"Load1Click", 10505, " Load", "Load number into internal variable", "(1 to 16000000)",
     kEightDigitMask, ':', ""},
    {"Query1Click", 10506, " Load User Inputs Value", "Load user inputs value to internal variable",
     kPortRange, kThreeDigitMask, '?', ""},
    {"Order1Click", 10507, " Set User Outputs", "Set internal variable to user outputs", kPortRange,
     kThreeDigitMask, '!', ""},
    {"add1Click", 10508, " Add", "Add input value to internal variable", kByteRange,
     kThreeDigitMask, '+', ""},
    {"Subtrack1Click", 10509, " Subtract", "Subtract input value from internal variable",
     kByteRange, kThreeDigitMask, '-', ""},
    {"Multiply1Click", 10510, " Multiply", "Multiply internal variable by input value", kByteRange,
     kThreeDigitMask, '*', ""},
    {"Divide1Click", 10511, " Divide", "Divide internal variable by input value", kByteRange,
     kThreeDigitMask, '/', ""},
    {"StartStop1Click", 10601, " Start/Stop", "Set Start/Stop", "(16 to 1950)", kEightDigitMask,
     'S', "200"},
    // The range text follows the start/stop velocity, see AccelerationRangeText.
    {"Acceleration1Click", 10602, " Acceleration",
     "Set Acceleration according to actual Start/Stop", "(1 to 65000)", kEightDigitMask, 'A', "64"},
    {"Velocity1Click", 10603, " Velocity", "Set Velocity", "(16-20000)\r(16-40000)-K2207F",
     kEightDigitMask, 'V', "1000"},
    {"PrOfile1Click", 10604, " Profile", "Set Profile", "(20 to 7000)", kEightDigitMask, 'P',
     "7000"},
    {"SeekPositive1Click", 10614, "Seek Positive", "Seek positive", "(1 to 21)", kThreeDigitMask,
     ')', ""},
    {"SeekNegative1Click", 10615, "Seek Negative", "Seek negative", "(1 to 21)", kThreeDigitMask,
     '(', ""},
}};

} // namespace

std::span<const OneNumberRow> OneNumberRows() {
    return kRows;
}

const OneNumberRow& OneNumberRowFor(std::string_view handler) {
    for (const OneNumberRow& row : kRows)
        if (handler == row.handler)
            return row;
    throw std::logic_error("no one-number command " + std::string(handler));
}

std::string& RememberedEntryText(Session& session, const OneNumberRow& row) {
    return session.EntryTexts.try_emplace(row.handler, row.initialText).first->second;
}

std::string OneNumberLine(char prefix, std::string_view entryText) {
    std::string line(1, prefix);
    line += entryText;
    return line;
}

std::string AccelerationRangeText(std::int32_t s) {
    const auto band = StartStopBand(s);
    const AccelerationLimits limits = band ? *band : AccelerationLimits{1, 65000};
    return "(" + std::to_string(limits.lo) + " to " + std::to_string(limits.hi) + ")";
}

bool AccelerationSuitsStartStop(std::int32_t s, std::int32_t a) {
    const auto band = StartStopBand(s);
    return !band || (a >= band->lo && a <= band->hi);
}

std::string VelocityRangeFromStartStop(std::int32_t s) {
    const std::string n = std::to_string(s);
    return "(" + n + "-20000)\r(" + n + "-40000)-K2207F";
}

std::string StartStopRangeFromVelocity(std::int32_t v) {
    return "(" + std::to_string(v) + " to 19500)";
}

} // namespace orvant
