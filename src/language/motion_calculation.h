#pragma once
// The kinematics of one symmetric move of a stepper motor: it starts at the start/stop
// velocity, accelerates at a constant rate up to the maximum velocity, may run at that
// velocity for a while and decelerates at the same rate back to the start/stop velocity.
// Of distance, acceleration, time, maximum velocity and start/stop velocity the operator
// gives four; the calculation finds the fifth, tells whether the move is triangular (it
// never reaches the maximum velocity) or trapezoidal, and derives the phase times and
// distances. Plain C++: the calculator window only shows what this returns.

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace orvant {

// The five values in the order of the calculator's fields.
enum class MotionValue { Distance = 0, Acceleration, Time, MaxVelocity, StartStopVelocity };

inline constexpr int kMotionValueCount = 5;

// D, A, T, Vm, Vs: steps, steps/s², s, steps/s, steps/s.
struct MotionValues {
    double D = 0;
    double A = 0;
    double T = 0;
    double Vm = 0;
    double Vs = 0;

    double& operator[](MotionValue v);
    double operator[](MotionValue v) const;
};

// Times and distances of the profile: Th = T/2, T1 end of acceleration, T2 start of
// deceleration, Tc time at constant velocity, S1 distance while accelerating (and while
// decelerating), S2 distance at constant velocity.
struct MotionPhases {
    double Th = 0;
    double T1 = 0;
    double T2 = 0;
    double Tc = 0;
    double S1 = 0;
    double S2 = 0;
};

enum class MotionOutcome {
    Solved,           // the unknown is computed, the profile is valid
    ReadingRefused,   // the fields could not be read; nothing was calculated
    CalculationFailed // the calculation refused the values
};

struct MotionResult {
    MotionOutcome outcome = MotionOutcome::ReadingRefused;
    std::optional<MotionValue> unknown;
    // The field that gets the input focus after a reading message.
    std::optional<MotionValue> focus;
    // The error boxes to show, in order, each text complete ("\r" is a line break).
    std::vector<std::string> messages;
    // The values as read (D, A, Vm, Vs rounded), with the unknown computed and, for a
    // triangular profile, the maximum velocity replaced by the velocity reached at T/2.
    MotionValues values;
    bool triangular = true;
    MotionPhases phases;

    bool solved() const { return outcome == MotionOutcome::Solved; }
};

inline constexpr char kFewParameters[] = "Few parameters for calculate! ";
inline constexpr char kNoNumericInput[] = "No numeric input data !";
inline constexpr char kNoUnknown[] = "I don't know, what parameter calculate !";
inline constexpr char kPleaseChange[] = "\rPlease change input values.";

// Trims the characters with codes 0 to 32 from both ends.
std::string TrimMotionText(const std::string& text);

// Reads a decimal number: optional sign, digits with an optional "." as the decimal point,
// optional exponent. The same in every locale; nothing else (no blanks inside, no "inf",
// no hexadecimal, nothing out of the range of a double).
std::optional<double> ReadMotionNumber(const std::string& text);

// Rounds to the nearest whole number, halves to the even neighbour.
double RoundHalfEven(double value);

// Reads the five field texts (D, A, T, Vm, Vs as typed), chooses the unknown (the empty or
// "?" field) and calculates it.
MotionResult CalculateMotion(const std::array<std::string, kMotionValueCount>& texts);

// Calculates `unknown` from the other four values (already read and rounded).
MotionResult CalculateMotion(const MotionValues& values, MotionValue unknown);

// Display texts: whole numbers for steps and velocities, two decimals for times.
std::string WholeNumberText(double value);
std::string TwoDecimalsText(double value);

// What the calculator shows after a solved calculation: the five field texts and the
// labels of the velocity-time sketch.
struct MotionDisplayTexts {
    std::array<std::string, kMotionValueCount> fields; // D, A, T, Vm, Vs
    bool trapezoidal = false;       // T1, T3 and S2 are shown only for a trapezoidal profile
    std::string OutS;               // "S = 2.S1 + S2" or "S = 2.S1"
    std::string X0, x1, x2, x3, x4; // 0, T1, Th, T2, T
    std::string Vmax, Vmin;         // Vm, Vs
    std::string VS1, VS2;           // S1 (under both slopes), S2
    std::string T12;                // "T (V = konst) = " Tc "s"
};

MotionDisplayTexts DisplayTexts(const MotionResult& result);

} // namespace orvant
