#include "language/position_conversion.h"

#include "language/command_checker.h"

#include <algorithm>
#include <limits>

namespace orvant {

namespace {

constexpr std::int64_t kLargest = std::numeric_limits<std::int32_t>::max();

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

// The nearest multiple of `step` to v; an exact half goes to the even quotient.
std::int64_t NearestMultiple(std::int64_t v, std::int64_t step) {
    std::int64_t q = v / step;
    const std::int64_t twice = 2 * (v % step);
    if (twice > step || (twice == step && q % 2 != 0))
        ++q;
    return q * step;
}

} // namespace

bool PositionSettingsKnown(std::int32_t m, std::int32_t r) {
    return m > 0 && r > 0;
}

std::string RevolutionItemText(std::int32_t r) {
    std::string number = std::to_string(r);
    if (number.size() < 4)
        number.insert(0, 4 - number.size(), ' ');
    return "Num. of revolutions (" + number + " full steps per revolution)";
}

std::int64_t PositionUnit(int kind, std::int32_t m, std::int32_t r) {
    switch (kind) {
    case kRevolutions:
        return std::max<std::int64_t>(1, std::int64_t{r} * 64);
    case kSteps:
        return UserStep(m);
    default:
        return 1;
    }
}

std::string PositionRangeText(int kind, std::int32_t m, std::int32_t r, std::int32_t low,
                              std::int32_t high) {
    const std::int64_t unit = PositionUnit(kind, m, r);
    const std::int64_t lo = std::max<std::int64_t>(1, low / unit);
    return "(" + std::to_string(lo) + " to " + std::to_string(high / unit) + ")";
}

PositionConversion ConvertPosition(int kind, std::string_view text, std::int32_t m,
                                   std::int32_t r) {
    PositionConversion out;
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    if (text.empty()) {
        out.outcome = PositionConversion::Empty;
        return out;
    }
    std::int64_t v = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            out.outcome = PositionConversion::NotNumber;
            return out;
        }
        if (v > kLargest) {
            // Already too large for any kind; the remaining digits only need to be digits.
            continue;
        }
        v = v * 10 + (c - '0');
    }
    const std::int64_t unit = kind == kMicrosteps ? 1 : PositionUnit(kind, m, r);
    if (v > kLargest / unit) {
        out.outcome = PositionConversion::TooLarge;
        return out;
    }
    if (kind == kMicrosteps) {
        const std::int64_t step = UserStep(m);
        if (v % step != 0) {
            out.outcome = PositionConversion::NotMultiple;
            out.nearest = NearestMultiple(v, step);
            return out;
        }
    }
    out.outcome = PositionConversion::Converted;
    out.microsteps = static_cast<std::int32_t>(v * unit);
    return out;
}

std::string NotMultipleMessage(std::int64_t nearest) {
    return "Entered Number is not integer multiply of user step !\rNejblizsi cislo je " +
           std::to_string(nearest);
}

std::string PositionLine(char letter, std::int32_t microsteps) {
    return std::string(1, letter) + std::to_string(microsteps);
}

} // namespace orvant
