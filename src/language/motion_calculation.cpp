#include "language/motion_calculation.h"

#include <charconv>
#include <cmath>

namespace orvant {

namespace {

constexpr double MotionValues::*kValueMembers[kMotionValueCount] = {
    &MotionValues::D, &MotionValues::A, &MotionValues::T, &MotionValues::Vm, &MotionValues::Vs};

} // namespace

double& MotionValues::operator[](MotionValue v) {
    return this->*kValueMembers[static_cast<std::size_t>(v)];
}

double MotionValues::operator[](MotionValue v) const {
    return this->*kValueMembers[static_cast<std::size_t>(v)];
}

std::string TrimMotionText(const std::string& text) {
    const auto blank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && blank(text[begin]))
        ++begin;
    while (end > begin && blank(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// True when `text` is sign? (digits ["." digits?] | "." digits) (e|E sign? digits)?.
bool IsDecimalNumber(const std::string& text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    if (i < n && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < n && IsDigit(text[i]))
        ++i, ++digits;
    if (i < n && text[i] == '.') {
        ++i;
        while (i < n && IsDigit(text[i]))
            ++i, ++digits;
    }
    if (digits == 0)
        return false;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-'))
            ++i;
        std::size_t exponentDigits = 0;
        while (i < n && IsDigit(text[i]))
            ++i, ++exponentDigits;
        if (exponentDigits == 0)
            return false;
    }
    return i == n;
}

} // namespace

std::optional<double> ReadMotionNumber(const std::string& text) {
    if (!IsDecimalNumber(text))
        return std::nullopt;
    // from_chars takes no "+" sign.
    const char* first = text.data() + (text[0] == '+' ? 1 : 0);
    const char* last = text.data() + text.size();
    double value = 0;
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
    if (error != std::errc() || end != last || !std::isfinite(value))
        return std::nullopt;
    return value;
}

double RoundHalfEven(double value) {
    const double down = std::floor(value);
    const double fraction = value - down;
    if (fraction < 0.5)
        return down;
    if (fraction > 0.5)
        return down + 1;
    return std::fmod(down, 2.0) == 0 ? down : down + 1;
}

namespace {

// One run of the calculation: every refusal goes through CalcError, which marks the run as
// failed and adds the box text.
class MotionCalculationRun {
public:
    MotionCalculationRun(const MotionValues& values, MotionValue unknown) {
        result_.outcome = MotionOutcome::Solved;
        result_.unknown = unknown;
        result_.values = values;
    }

    MotionResult Run() {
        if (Classify()) {
            ComputeUnknown();
            if (!Failed())
                Derive();
            if (!Failed() && !RefuseNonFinite())
                return result_;
            RefuseNegative();
        }
        return result_;
    }

private:
    void CalcError(const std::string& message) {
        result_.outcome = MotionOutcome::CalculationFailed;
        result_.messages.push_back(message + kPleaseChange);
    }
    bool Failed() const { return result_.outcome != MotionOutcome::Solved; }

    // Checks the values for the unknown and decides the profile; false when refused.
    bool Classify() {
        MotionValues& v = result_.values;
        bool& triangular = result_.triangular;
        const char* underStartStop = "Maximum velocity under Start/Stop velocity!";
        switch (*result_.unknown) {
        case MotionValue::Distance:
            if (v.Vm < v.Vs) {
                CalcError(underStartStop);
                return false;
            }
            triangular = std::abs(v.Vs + v.A * v.T / 2) < v.Vm;
            return true;
        case MotionValue::Acceleration:
            if (v.Vm < v.Vs) {
                CalcError(underStartStop);
                return false;
            }
            triangular = v.D / 2 < std::abs(v.Vs * v.T / 2 + (v.Vm - v.Vs) * v.T / 4);
            return true;
        case MotionValue::Time:
            // Both refusals are reported, one after the other.
            if (v.Vm < v.Vs)
                CalcError(underStartStop);
            if (v.A == 0 || v.Vs == 0)
                CalcError("Acceleration or StartStop equals zero !");
            if (Failed())
                return false;
            triangular = v.D / 2 < (v.Vm * v.Vm - v.Vs * v.Vs) / (2 * v.A);
            return true;
        case MotionValue::MaxVelocity:
            if (!(v.D / 2 > v.Vs * v.T / 2)) {
                CalcError("Impossible calculate such Vmax !");
                return false;
            }
            triangular = v.D / 2 > std::abs(v.Vs * v.T / 2 + v.A * v.T * v.T / 8);
            return true;
        case MotionValue::StartStopVelocity:
            if (!(v.D / 2 < v.Vm * v.T / 2)) {
                CalcError("Impossible calculate such Vstart !");
                return false;
            }
            triangular = v.D / 2 < std::abs(v.Vm * v.T / 2 - v.A * v.T * v.T / 8);
            return true;
        }
        return false;
    }

    void ComputeUnknown() {
        MotionValues& v = result_.values;
        const bool tri = result_.triangular;
        switch (*result_.unknown) {
        case MotionValue::Distance:
            if (tri) {
                v.D = v.Vs * v.T + v.A * v.T * v.T / 4;
                v.Vm = v.Vs + v.A * v.T / 2;
            } else if (v.A == 0) {
                CalcError("Not allowed zero value for Acceleration !");
            } else {
                v.D = (2 * v.Vs * v.Vm + v.Vm * v.T * v.A - v.Vm * v.Vm - v.Vs * v.Vs) / v.A;
            }
            break;
        case MotionValue::Acceleration:
            if (tri) {
                if (v.T == 0) {
                    CalcError("Not allowed zero value for Time !");
                } else {
                    v.A = 4 * (v.D - v.T * v.Vs) / (v.T * v.T);
                    v.Vm = v.Vs + v.A * v.T / 2;
                }
            } else if (v.Vm * v.T == v.D) {
                CalcError("Impossible calculate such A!");
            } else {
                v.A = (2 * v.Vs * v.Vm - v.Vm * v.Vm - v.Vs * v.Vs) / (v.D - v.Vm * v.T);
            }
            break;
        case MotionValue::Time:
            if (tri) {
                // With negative entries the root can be of a negative number: no such move.
                const double root = v.Vs * v.Vs + v.A * v.D;
                if (root < 0) {
                    CalcError(kImpossibleTime);
                } else {
                    v.T = 2 * (std::sqrt(root) - v.Vs) / v.A;
                    v.Vm = v.Vs + v.A * v.T / 2;
                }
            } else if (v.Vm == 0) {
                CalcError("Not allowed zero value for Vm !");
            } else {
                v.T = (v.Vm * v.Vm - 2 * v.Vs * v.Vm + v.Vs * v.Vs + v.D * v.A) / (v.Vm * v.A);
            }
            break;
        case MotionValue::MaxVelocity:
            if (tri) {
                CalcError("Impossible calculate such Vmax !");
            } else {
                const double b = -2 * v.Vs - v.T * v.A;
                const double q = b * b - 4 * (v.Vs * v.Vs + v.A * v.D);
                if (q < 0)
                    CalcError("Impossible calculate such Vmax !");
                else
                    v.Vm = (2 * v.Vs + v.T * v.A - std::sqrt(q)) / 2;
            }
            break;
        case MotionValue::StartStopVelocity:
            if (tri) {
                if (v.T == 0) {
                    CalcError("Not allowed zero value for Time !");
                } else {
                    v.Vs = (v.D - v.A * v.T * v.T / 4) / v.T;
                    v.Vm = v.Vs + v.A * v.T / 2;
                }
            } else {
                const double q = 4 * v.Vm * v.Vm - 4 * (v.Vm * v.Vm - v.Vm * v.T * v.A + v.D * v.A);
                if (q < 0)
                    CalcError("Impossible calculate such Vstart !");
                else
                    v.Vs = (2 * v.Vm - std::sqrt(q)) / 2;
            }
            break;
        }
    }

    void Derive() {
        const MotionValues& v = result_.values;
        MotionPhases& p = result_.phases;
        p.Th = v.T / 2;
        p.T1 = v.A > 0 ? (v.Vm - v.Vs) / v.A : 0;
        p.T2 = v.T - p.T1;
        p.Tc = p.T2 - p.T1;
        p.S1 = v.Vs * p.T1 + v.A * p.T1 * p.T1 / 2;
        p.S2 = p.Tc * v.Vm;
    }

    // Values far beyond any move overflow the formulas; no such result is shown. False when
    // refused.
    bool RefuseNonFinite() {
        const MotionValues& v = result_.values;
        const MotionPhases& p = result_.phases;
        for (double x : {v.D, v.A, v.T, v.Vm, v.Vs, p.Th, p.T1, p.T2, p.Tc, p.S1, p.S2}) {
            if (!std::isfinite(x)) {
                CalcError(ImpossibleUnknownMessage());
                return false;
            }
        }
        return true;
    }

    void RefuseNegative() {
        const MotionValues& v = result_.values;
        if (v.D < 0 || v.T < 0 || v.A < 0 || v.Vm < 0 || v.Vs < 0)
            CalcError("Not allowed negative result !");
    }

    std::string ImpossibleUnknownMessage() const {
        switch (*result_.unknown) {
        case MotionValue::Distance:
            return "Impossible calculate such Distance !";
        case MotionValue::Acceleration:
            return "Impossible calculate such A!";
        case MotionValue::Time:
            return kImpossibleTime;
        case MotionValue::MaxVelocity:
            return "Impossible calculate such Vmax !";
        case MotionValue::StartStopVelocity:
            break;
        }
        return "Impossible calculate such Vstart !";
    }

    static constexpr char kImpossibleTime[] = "Impossible calculate such Time !";

    MotionResult result_;
};

} // namespace

MotionResult CalculateMotion(const MotionValues& values, MotionValue unknown) {
    return MotionCalculationRun(values, unknown).Run();
}

MotionResult CalculateMotion(const std::array<std::string, kMotionValueCount>& texts) {
    MotionResult result;
    MotionValues values;
    for (int i = 0; i < kMotionValueCount; ++i) {
        const auto field = static_cast<MotionValue>(i);
        const std::string text = TrimMotionText(texts[static_cast<std::size_t>(i)]);
        if (text.empty() || text == "?") {
            if (!result.unknown) {
                result.unknown = field;
                continue;
            }
            result.focus = field;
            result.messages.push_back(kFewParameters);
            return result;
        }
        const std::optional<double> number = ReadMotionNumber(text);
        if (!number) {
            result.focus = field;
            result.messages.push_back(kNoNumericInput);
            return result;
        }
        values[field] = field == MotionValue::Time ? *number : RoundHalfEven(*number);
    }
    if (!result.unknown) {
        result.messages.push_back(kNoUnknown);
        return result;
    }
    return CalculateMotion(values, *result.unknown);
}

namespace {

std::string FixedText(double value, int decimals) {
    char buffer[400];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value + 0.0,
                                            std::chars_format::fixed, decimals);
    if (error != std::errc())
        return "?";
    std::string text(buffer, end);
    return text == "-0" || text == "-0.00" ? text.substr(1) : text;
}

} // namespace

std::string WholeNumberText(double value) {
    return FixedText(value, 0);
}

std::string TwoDecimalsText(double value) {
    return FixedText(value, 2);
}

MotionDisplayTexts DisplayTexts(const MotionResult& result) {
    const MotionValues& v = result.values;
    const MotionPhases& p = result.phases;
    MotionDisplayTexts t;
    t.fields = {WholeNumberText(v.D), WholeNumberText(v.A), TwoDecimalsText(v.T),
                WholeNumberText(v.Vm), WholeNumberText(v.Vs)};
    t.trapezoidal = !result.triangular;
    t.OutS = t.trapezoidal ? "S = 2.S1 + S2" : "S = 2.S1";
    t.X0 = "0";
    t.x1 = TwoDecimalsText(p.T1);
    t.x2 = TwoDecimalsText(p.Th);
    t.x3 = TwoDecimalsText(p.T2);
    t.x4 = TwoDecimalsText(v.T);
    t.Vmax = WholeNumberText(v.Vm);
    t.Vmin = WholeNumberText(v.Vs);
    t.VS1 = WholeNumberText(p.S1);
    t.VS2 = WholeNumberText(p.S2);
    t.T12 = "T (V = konst) = " + TwoDecimalsText(p.Tc) + "s";
    return t;
}

} // namespace orvant
