#include "language/real_move_conversion.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace orvant {

namespace {

constexpr int kShownWidth = 15;
constexpr int kMaxDigits = 9; // the decimal-digits field holds one digit
constexpr double kMaxSteps = std::numeric_limits<std::int32_t>::max();

bool IsBlank(char c) {
    return c == ' ';
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The nearest integer, exact halves to the even neighbour.
double RoundHalfEven(double q) {
    const double below = std::floor(q);
    const double rest = q - below;
    if (rest > 0.5)
        return below + 1;
    if (rest < 0.5)
        return below;
    return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

} // namespace

std::optional<double> ParseRealNumber(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // Only digits and a point start a number: from_chars would also take "inf" and "nan".
    if (text.empty() ||
        !(std::isdigit(static_cast<unsigned char>(text.front())) || text.front() == '.'))
        return std::nullopt;
    double value = 0;
    const auto [end, ec] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return negative ? -value : value;
}

std::int32_t StepsPerUnitFromText(std::string_view text) {
    text = TrimBlanks(text);
    if (text.empty() || !std::all_of(text.begin(), text.end(), [](char c) {
            return std::isdigit(static_cast<unsigned char>(c)) != 0;
        }))
        return kMinStepsPerUnit; // no number, or a negative one
    // Leading zeros carry nothing; more significant digits than 8000000 has means above it.
    text.remove_prefix(std::min(text.find_first_not_of('0'), text.size()));
    if (text.size() > 7)
        return kMaxStepsPerUnit;
    std::int32_t value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return std::clamp(value, kMinStepsPerUnit, kMaxStepsPerUnit);
}

std::int32_t MoveGranularity(std::int32_t microstep) {
    if (microstep <= 0)
        return 1;
    return std::max(64 / microstep, 1);
}

std::string UserUnitsText(double value, int digits, int width) {
    digits = std::clamp(digits, 0, kMaxDigits);
    char buffer[400];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, digits);
    std::string text = ec == std::errc() ? std::string(buffer, end) : std::string("?");
    if (static_cast<int>(text.size()) < width)
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    return text;
}

ReachableMove ReachableDistance(double value, std::int32_t stepsPerUnit, std::int32_t microstep,
                                int digits) {
    if (!std::isfinite(value) || value < 0)
        value = 0;
    const std::int32_t spu = std::max(stepsPerUnit, kMinStepsPerUnit);
    const std::int32_t granularity = MoveGranularity(microstep);
    const double raw = spu * value;
    const double n = RoundHalfEven(raw / granularity);
    const double steps = n * granularity;
    ReachableMove move;
    if (!(steps <= kMaxSteps)) {
        move.shown = UserUnitsText(value, digits, kShownWidth);
        return move;
    }
    move.steps = static_cast<std::int32_t>(steps);
    move.shown = UserUnitsText(static_cast<double>(*move.steps) / spu, digits, kShownWidth);
    return move;
}

RealMoveConversion ConvertRealMove(std::string_view text, double stored, std::int32_t stepsPerUnit,
                                   std::int32_t microstep, int digits) {
    RealMoveConversion c;
    const std::optional<double> entered = ParseRealNumber(text);
    c.isNumber = entered.has_value();
    if (!entered) {
        c.value = stored;
        const ReachableMove move = ReachableDistance(stored, stepsPerUnit, microstep, digits);
        c.steps = move.steps;
        c.shown = move.shown;
        return c;
    }
    // "-0" is kept as 0 too, so that the record never holds a negative zero.
    const double value = *entered > 0 ? *entered : 0.0;
    const ReachableMove move = ReachableDistance(value, stepsPerUnit, microstep, digits);
    if (!move.steps) {
        // Refused: the record keeps its value and nothing may be sent.
        c.value = stored;
        c.shown = ReachableDistance(stored, stepsPerUnit, microstep, digits).shown;
        return c;
    }
    c.value = value;
    c.steps = move.steps;
    c.shown = move.shown;
    return c;
}

std::string UploadedPositionText(std::int32_t position, std::int32_t stepsPerUnit, int digits) {
    const std::int32_t spu = std::max(stepsPerUnit, kMinStepsPerUnit);
    return UserUnitsText(static_cast<double>(position) / spu, digits, 10);
}

} // namespace orvant
