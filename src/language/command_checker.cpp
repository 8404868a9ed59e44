#include "command_checker.h"

#include "language/acceleration_bands.h"
#include "language/controller_models.h"

#include <array>
#include <cstring>
#include <limits>
#include <optional>
#include <string_view>

namespace orvant {

namespace {

constexpr std::int32_t kInt32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kHighestPosition = 16000000;
constexpr std::int32_t kHighestAcceleration = 65000;
constexpr std::int32_t kHighestConditionInput = 87;

// Blank and control characters: everything from code 0 to the space.
constexpr bool IsBlank(unsigned char c) {
    return c <= 32;
}
constexpr bool IsDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}

using Form = CommandForm;

// Which setting of the current address an accepted number-form command records.
enum class Stores : std::uint8_t { Nothing, StartStop, Velocity };

struct CommandRule {
    Form form = Form::Unknown;
    std::uint8_t sizeBits = 0;
    std::int32_t lo = 0;
    std::int32_t hi = 0;
    Stores stores = Stores::Nothing;
};

// One rule for every character from "!" to "_"; characters without a rule are unknown.
constexpr std::array<CommandRule, kLastCommand - kFirstCommand + 1> MakeRules() {
    std::array<CommandRule, kLastCommand - kFirstCommand + 1> rules{};
    auto set = [&rules](unsigned char c, CommandRule rule) { rules[c - kFirstCommand] = rule; };
    auto number = [&set](unsigned char c, std::uint8_t bits, std::int32_t lo, std::int32_t hi) {
        set(c, {Form::Number, bits, lo, hi, Stores::Nothing});
    };
    set('!', {Form::Port, 32});
    set('?', {Form::Port, 16});
    set('\'', {Form::Label, 16});
    number('(', 16, 1, 21);
    number(')', 16, 1, 21);
    number('*', 16, 1, 255);
    number('+', 16, 1, 255);
    number('-', 16, 1, 255);
    number('/', 16, 1, 255);
    set('.', {Form::Single, 8});
    for (unsigned char c = '1'; c <= '9'; ++c)
        set(c, {Form::Single, 8});
    number(':', 32, 0, kHighestPosition);
    number('<', 16, 1, 10);
    number('>', 16, 1, 10);
    set('=', {Form::Position, 32});
    set('@', {Form::Label, 0});
    set('A', {Form::Acceleration, 24});
    set('B', {Form::Position, 32});
    set('C', {Form::Output, 16});
    set('D', {Form::Single, 8});
    set('E', {Form::Single, 8});
    set('F', {Form::Position, 32});
    set('G', {Form::Go, 32});
    set('H', {Form::Single, 8});
    set('I', {Form::Condition, 32});
    set('J', {Form::Label, 16});
    set('K', {Form::Single, 8});
    number('L', 16, 1, 255);
    set('M', {Form::Microstep, 16});
    number('N', 16, 1, 7);
    number('O', 16, 1, 21);
    number('P', 24, 20, 7000);
    set('Q', {Form::Qualification, 16});
    set('R', {Form::Single, 8});
    set('S', {Form::Number, 24, 16, 1950, Stores::StartStop});
    set('T', {Form::Output, 16});
    number('U', 16, 1, 25);
    set('V', {Form::Velocity, 24, 16, 0, Stores::Velocity});
    number('W', 32, 1, kHighestPosition);
    set('X', {Form::Address, 16});
    number('Z', 16, 1, 21);
    set('[', {Form::Single, 0});
    set('\\', {Form::Single, 0});
    set(']', {Form::Single, 0});
    number('^', 0, 1, 255);
    set('_', {Form::Single, 0});
    return rules;
}

constexpr auto kRules = MakeRules();

// What a scan leaves of the line.
enum class Shape : std::uint8_t {
    Empty,       // nothing
    CommandOnly, // the command character alone
    WithDigits,  // the command character followed by the digits as written
};

struct NumberScan {
    std::uint16_t code = kCommandAccepted;
    Shape shape = Shape::CommandOnly;
    bool hasValue = false;
    std::int32_t value = 0;
    std::size_t digitsBegin = 0;
    std::size_t digitsLength = 0;
};

// Reads the run of digits starting at `pos`. Returns its end; `overflow` tells whether the
// value is above the largest signed 32-bit integer.
std::size_t ReadDigits(std::string_view text, std::size_t pos, std::int32_t& value,
                       bool& overflow) {
    std::int64_t v = 0;
    overflow = false;
    while (pos < text.size() && IsDigit(static_cast<unsigned char>(text[pos]))) {
        if (!overflow) {
            v = v * 10 + (text[pos] - '0');
            if (v > kInt32Max)
                overflow = true;
        }
        ++pos;
    }
    value = overflow ? kInt32Max : static_cast<std::int32_t>(v);
    return pos;
}

std::size_t SkipBlanks(std::string_view text, std::size_t pos) {
    while (pos < text.size() && IsBlank(static_cast<unsigned char>(text[pos])))
        ++pos;
    return pos;
}

// The number form over the working text `w` (leading blanks already gone, w[0] is the
// command character). Reads without changing anything.
NumberScan ScanNumber(std::string_view w, std::int32_t lo, std::int32_t hi) {
    NumberScan scan;
    std::size_t end = w.size();
    while (end > 1 && IsBlank(static_cast<unsigned char>(w[end - 1])))
        --end;
    w = w.substr(0, end);
    if (w.size() <= 1)
        return scan; // the command character alone, no value
    const auto next = static_cast<unsigned char>(w[1]);
    if (next != ' ' && !IsDigit(next)) {
        scan.code = kSyntaxError;
        return scan;
    }
    const std::size_t begin = SkipBlanks(w, 1);
    if (begin >= w.size() || !IsDigit(static_cast<unsigned char>(w[begin])))
        return scan; // whatever followed is dropped
    bool overflow = false;
    std::int32_t value = 0;
    const std::size_t stop = ReadDigits(w, begin, value, overflow);
    scan.shape = Shape::Empty;
    if (overflow) {
        scan.code = kSyntaxError;
        return scan;
    }
    if (value < lo || value > hi) {
        scan.code = kNumberOutOfRange;
        return scan;
    }
    scan.shape = Shape::WithDigits;
    scan.hasValue = true;
    scan.value = value;
    scan.digitsBegin = begin;
    scan.digitsLength = stop - begin;
    return scan;
}

// Replaces the line with what the scan leaves of it. The digits always lie behind the
// command character, so they move towards the front within the same buffer.
void Rewrite(std::string& line, const NumberScan& scan) {
    switch (scan.shape) {
    case Shape::Empty:
        line.clear();
        return;
    case Shape::CommandOnly:
        line.resize(1);
        return;
    case Shape::WithDigits:
        std::memmove(line.data() + 1, line.data() + scan.digitsBegin, scan.digitsLength);
        line.resize(1 + scan.digitsLength);
        return;
    }
}

bool InOutputSet(std::int32_t n) {
    return (n >= 1 && n <= 21) || (n >= 40 && n <= 87) || n == 100;
}

bool IsMicrostep(std::int32_t m) {
    return m == 1 || m == 2 || m == 4 || m == 8 || m == 16 || m == 32 || m == 64;
}

// The acceleration band that the start/stop velocity S allows; false when S allows none.
// With S not known every acceleration up to the highest is allowed.
bool AccelerationBand(std::int32_t s, std::int32_t& lo, std::int32_t& hi) {
    if (s <= 0) {
        lo = 1;
        hi = kHighestAcceleration;
        return true;
    }
    const std::optional<AccelerationLimits> band = StartStopBand(s);
    if (!band)
        return false;
    lo = band->lo;
    hi = band->hi;
    return true;
}

std::uint16_t CheckPort(std::string& line) {
    const std::string_view w(line);
    if (w.size() == 1)
        return kCommandAccepted;
    const auto remembered = static_cast<unsigned char>(w[1]);
    std::size_t begin = SkipBlanks(w, 1);
    std::size_t end = w.size();
    while (end > begin && IsBlank(static_cast<unsigned char>(w[end - 1])))
        --end;
    if (begin >= end) {
        line.resize(1);
        return kCommandAccepted;
    }
    if (!IsDigit(static_cast<unsigned char>(w[begin]))) {
        line.resize(1);
        return remembered == ' ' ? kCommandAccepted : kSyntaxError;
    }
    bool overflow = false;
    std::int32_t value = 0;
    const std::size_t stop = ReadDigits(w.substr(0, end), begin, value, overflow);
    if (overflow) {
        line.resize(1);
        return kSyntaxError;
    }
    const std::size_t count = stop - begin;
    const auto digit = [&w, begin](std::size_t i) { return w[begin + i] - '0'; };
    bool fits = false;
    if (count == 2) {
        fits = digit(0) >= 1 && digit(0) <= 7 && digit(1) >= 1 && digit(1) <= 7;
    } else if (count == 3) {
        const int n = digit(0) * 10 + digit(1);
        const int d = digit(2);
        fits = (n >= 10 && n <= 17 && d >= 1 && d <= 8) || (n >= 18 && n <= 21 && d >= 1 && d <= 4);
    }
    if (!fits) {
        line.resize(1);
        return kNumberOutOfRange;
    }
    NumberScan accepted;
    accepted.shape = Shape::WithDigits;
    accepted.digitsBegin = begin;
    accepted.digitsLength = count;
    Rewrite(line, accepted);
    return kCommandAccepted;
}

std::uint16_t CheckCondition(std::string& line, const Session& session) {
    const std::string_view w(line);
    std::int32_t input = 0;
    bool overflow = false;
    const std::size_t inputBegin = SkipBlanks(w, 1);
    const std::size_t inputEnd = ReadDigits(w, inputBegin, input, overflow);
    std::uint16_t code = kCommandAccepted;
    std::size_t letter = 0, labelBegin = 0, labelEnd = 0;
    if (inputEnd == inputBegin || overflow) {
        code = kSyntaxError;
    } else if (input < 1 || input > kHighestConditionInput) {
        code = kNumberOutOfRange;
    } else {
        letter = SkipBlanks(w, inputEnd);
        if (letter >= w.size() || (w[letter] != 'H' && w[letter] != 'L')) {
            code = kSyntaxError;
        } else {
            std::int32_t label = 0;
            labelBegin = SkipBlanks(w, letter + 1);
            labelEnd = ReadDigits(w, labelBegin, label, overflow);
            // A label number too long for 32 bits is simply outside the label range.
            if (labelEnd == labelBegin)
                code = kSyntaxError;
            else if (overflow || label < 1 || label > HighestLabel(session.ModelCode()))
                code = kNumberOutOfRange;
        }
    }
    if (code != kCommandAccepted) {
        line.clear();
        return code;
    }
    // "I", input digits, letter, label digits; every piece moves towards the front.
    char* out = line.data() + 1;
    const std::size_t inputLength = inputEnd - inputBegin;
    std::memmove(out, line.data() + inputBegin, inputLength);
    out += inputLength;
    *out++ = line[letter];
    const std::size_t labelLength = labelEnd - labelBegin;
    std::memmove(out, line.data() + labelBegin, labelLength);
    out += labelLength;
    line.resize(static_cast<std::size_t>(out - line.data()));
    return kCommandAccepted;
}

std::uint16_t CheckAcceleration(std::string& line, Session& session) {
    std::int32_t lo = 0, hi = 0;
    std::uint16_t bandCode = kAccelerationBand;
    if (AccelerationBand(session.CurrentRecord().S, lo, hi)) {
        const NumberScan band = ScanNumber(line, lo, hi);
        bandCode = band.code;
        if (bandCode == kCommandAccepted)
            session.SetAddressValue(AddressField::A,
                                    band.hasValue ? band.value : kBareSettingValue);
    }
    // The line itself is rewritten by the widest range.
    const NumberScan widest = ScanNumber(line, 1, kHighestAcceleration);
    Rewrite(line, widest);
    if (bandCode == kNumberOutOfRange && widest.code != kNumberOutOfRange)
        return kAccelerationBand;
    return bandCode;
}

std::uint16_t CheckAddress(std::string& line, Session& session) {
    if (line.size() == 1)
        return kCommandAccepted;
    const auto c = static_cast<unsigned char>(line[1]);
    std::int32_t address = 0;
    if (IsDigit(c))
        address = c - '0';
    else if (c >= 'A' && c <= 'G')
        address = 10 + (c - 'A');
    else
        return kNumberOutOfRange; // the line stays as it is
    line.resize(2);
    session.CurrentAddress = address;
    return kCommandAccepted;
}

std::uint16_t CheckByForm(std::string& line, const CommandRule& rule, Session& session) {
    switch (rule.form) {
    case Form::Unknown:
        line.clear();
        return kCommandUnknown;
    case Form::Single:
        line.resize(1);
        return kCommandAccepted;
    case Form::Port:
        return CheckPort(line);
    case Form::Condition:
        return CheckCondition(line, session);
    case Form::Acceleration:
        return CheckAcceleration(line, session);
    case Form::Address:
        return CheckAddress(line, session);
    case Form::Number:
    case Form::Velocity: {
        const std::int32_t hi =
            rule.form == Form::Velocity ? HighestVelocity(session.ModelCode()) : rule.hi;
        const NumberScan scan = ScanNumber(line, rule.lo, hi);
        Rewrite(line, scan);
        if (scan.code == kCommandAccepted && rule.stores != Stores::Nothing) {
            const std::int32_t value = scan.hasValue ? scan.value : kBareVelocityValue;
            session.SetAddressValue(
                rule.stores == Stores::StartStop ? AddressField::S : AddressField::V, value);
        }
        return scan.code;
    }
    case Form::Label: {
        const NumberScan scan = ScanNumber(line, 1, HighestLabel(session.ModelCode()));
        Rewrite(line, scan);
        return scan.code;
    }
    case Form::Output: {
        NumberScan scan = ScanNumber(line, 0, kInt32Max);
        if (scan.code == kCommandAccepted && scan.hasValue && !InOutputSet(scan.value)) {
            scan.code = kNumberOutOfRange;
            scan.shape = Shape::Empty;
        }
        Rewrite(line, scan);
        return scan.code;
    }
    case Form::Microstep: {
        const NumberScan scan = ScanNumber(line, 1, 64);
        Rewrite(line, scan);
        if (scan.code != kCommandAccepted)
            return scan.code;
        if (scan.hasValue && !IsMicrostep(scan.value))
            return kNumberOutOfRange;
        session.SetAddressValue(AddressField::M, scan.hasValue ? scan.value : kBareSettingValue);
        return kCommandAccepted;
    }
    case Form::Qualification: {
        const NumberScan scan = ScanNumber(line, 1, 4);
        Rewrite(line, scan);
        if (scan.code != kCommandAccepted)
            return scan.code;
        if (scan.hasValue && !QualificationFits(scan.value, session))
            return kNumberOutOfRange;
        session.SetAddressValue(AddressField::Q, scan.hasValue ? scan.value : kBareSettingValue);
        return kCommandAccepted;
    }
    case Form::Go:
        if (line.size() >= 2 && (line[1] == '+' || line[1] == '-')) {
            line.resize(2);
            return kCommandAccepted;
        }
        [[fallthrough]];
    case Form::Position: {
        const NumberScan scan = ScanNumber(line, 1, kHighestPosition);
        Rewrite(line, scan);
        if (scan.code == kCommandAccepted && scan.hasValue &&
            scan.value % UserStep(session.CurrentRecord().M) != 0)
            return kNotUserStepMultiple;
        return scan.code;
    }
    }
    line.clear();
    return kCommandUnknown;
}

} // namespace

std::optional<CommandSyntax> CommandSyntaxOf(unsigned char c) {
    if (c < kFirstCommand || c > kLastCommand)
        return std::nullopt;
    const CommandRule& rule = kRules[c - kFirstCommand];
    if (rule.form == Form::Unknown)
        return std::nullopt;
    CommandSyntax syntax{rule.form, rule.sizeBits, rule.lo, rule.hi};
    switch (rule.form) {
    case Form::Velocity:
        syntax.hi = 0; // by model: HighestVelocity
        break;
    case Form::Label:
        syntax.lo = 1;
        syntax.hi = 0; // by model: HighestLabel
        break;
    case Form::Acceleration:
        syntax.lo = 1;
        syntax.hi = kHighestAcceleration;
        break;
    case Form::Microstep:
        syntax.lo = 1;
        syntax.hi = 64;
        break;
    case Form::Qualification:
        syntax.lo = 1;
        syntax.hi = 4;
        break;
    case Form::Position:
    case Form::Go:
        syntax.lo = 1;
        syntax.hi = kHighestPosition;
        break;
    case Form::Condition:
        syntax.lo = 1;
        syntax.hi = kHighestConditionInput;
        break;
    default:
        break;
    }
    return syntax;
}

bool OutputNumberAccepted(std::int32_t n) {
    return InOutputSet(n);
}

// Positions are counted in 64ths of a full step; with M microsteps per full step a position
// must be a multiple of 64 div M. A microstep setting above 64 would make that zero, so the
// step never drops below 1.
std::int32_t UserStep(std::int32_t m) {
    if (m <= 0)
        return 1;
    const std::int32_t step = 64 / m;
    return step > 0 ? step : 1;
}

bool QualificationFits(std::int32_t q, const Session& session) {
    const std::int32_t m = session.CurrentRecord().M;
    const bool oneTwoFour = q == 1 || q == 2 || q == 4;
    if (m <= 0)
        return oneTwoFour;
    switch (m) {
    case 1:
        return q == 1;
    case 2:
        return q == 2;
    case 4:
        return q == 1 || q == 4;
    case 8:
        return q == 1 || q == 2;
    case 16:
        return q == 4;
    case 32:
    case 64:
        return oneTwoFour;
    default:
        return false;
    }
}

std::uint16_t CheckCommandLine(std::string& line, Session& session) {
    // The comment goes, letters become capitals, leading blanks and control characters go.
    const std::size_t comment = line.find(';');
    if (comment != std::string::npos)
        line.resize(comment);
    std::size_t lead = 0;
    while (lead < line.size() && IsBlank(static_cast<unsigned char>(line[lead])))
        ++lead;
    line.erase(0, lead);
    for (char& ch : line)
        ch = AsCommandCharacter(ch);
    if (line.empty())
        return kCommandAccepted;

    const auto first = static_cast<unsigned char>(line[0]);
    if (first < kFirstCommand || first > kLastCommand) {
        line.clear();
        return kCommandUnknown;
    }
    const CommandRule& rule = kRules[first - kFirstCommand];
    const std::uint16_t code = CheckByForm(line, rule, session);
    if (code == kCommandAccepted) {
        std::uint32_t bits = rule.sizeBits;
        if (rule.form == Form::Go && line.size() == 2 && (line[1] == '+' || line[1] == '-'))
            bits = 8;
        session.AddProgramBits(bits);
    }
    return code;
}

} // namespace orvant
