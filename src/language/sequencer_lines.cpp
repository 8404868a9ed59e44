#include "language/sequencer_lines.h"

#include "language/command_checker.h"

#include <array>

namespace orvant {

namespace {

constexpr std::array<std::int32_t, 7> kMicrosteps = {1, 2, 4, 8, 16, 32, 64};
constexpr std::array<std::int32_t, 3> kQualifications = {1, 2, 4};

template <std::size_t N> std::int32_t OfItem(const std::array<std::int32_t, N>& values, int item) {
    if (item < 0 || item >= static_cast<int>(N))
        item = 0;
    return values[static_cast<std::size_t>(item)];
}

} // namespace

std::int32_t MicrostepOfItem(int item) {
    return OfItem(kMicrosteps, item);
}

int MicrostepItem(std::int32_t m) {
    for (std::size_t i = 0; i < kMicrosteps.size(); ++i)
        if (kMicrosteps[i] == m)
            return static_cast<int>(i);
    return 0;
}

std::string MicrostepLine(int item) {
    return "M" + std::to_string(MicrostepOfItem(item));
}

std::int32_t QualificationOfItem(int item) {
    return OfItem(kQualifications, item);
}

int QualificationItem(std::int32_t q) {
    if (q == 2)
        return 1;
    if (q == 4)
        return 2;
    return 0;
}

std::string QualificationLine(int item) {
    return "Q" + std::to_string(QualificationOfItem(item));
}

std::string QualificationRangeMessage(std::int32_t m) {
    const char* range = nullptr;
    switch (m) {
    case 1:
        range = "Q1";
        break;
    case 2:
        range = "Q2";
        break;
    case 4:
        range = "Q1, Q4";
        break;
    case 8:
        range = "Q1, Q2";
        break;
    case 16:
        range = "Q4";
        break;
    case 32:
    case 64:
        range = "Q1, Q2, Q4";
        break;
    default:
        return {};
    }
    return std::string("Qualification range for actual Microsteps\r") + range;
}

std::string ProfileLine(int item) {
    return "N" + std::to_string(item + 1);
}

std::string IndexLine(int item) {
    const char digit =
        item < 10 ? static_cast<char>('0' + item) : static_cast<char>('A' + item - 10);
    return std::string("X") + digit;
}

std::string AuxFunctionLine(const AuxFunctionChoice& choice) {
    return (choice.on ? "T" : "C") + std::to_string(choice.function + 40);
}

MotorResolutionEntry ParseMotorResolution(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {kSyntaxError, 0};
    const auto last = text.find_last_not_of(' ');
    std::int64_t value = 0;
    for (std::size_t i = first; i <= last; ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            return {kSyntaxError, 0};
        value = value * 10 + (c - '0');
        if (value > kHighestMotorResolution)
            return {kNumberOutOfRange, 0};
    }
    if (value < kLowestMotorResolution)
        return {kNumberOutOfRange, 0};
    return {0, static_cast<std::int32_t>(value)};
}

} // namespace orvant
