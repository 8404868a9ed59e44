#pragma once
// The whole-script check: every line of a document through the command checker, every
// faulty line reported with its number, and the program size compared with the program
// memory of the identified controller. Shows nothing itself: it returns the boxes to show,
// in order, and the result.

#include "language/session.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace orvant {

enum class ReportBoxKind { Error, Information };

struct ReportBox {
    ReportBoxKind kind;
    bool criticalSound; // play the critical-stop sound before showing the box
    std::string text;   // "\r" is a line break
};

struct ProgramCheckReport {
    std::vector<ReportBox> boxes; // in the order they are shown
    bool passed = false;          // the CheckActWin result
    unsigned errors = 0;
};

// One checked line as the walk saw it: its number (from 1), the checker's result and the
// normal form the checker left. `normal` is valid only during the call.
struct CheckedLine {
    std::size_t number;
    std::uint16_t code;
    std::string_view normal;
};

using CheckedLineSink = std::function<void(const CheckedLine&)>;

// Checks the document's lines in order (without line ends, empty ones included). Sets
// session.ProgramBits to 0 first; leaves the settings and the current address as the lines
// set them. With reportSuccess clear, a passing script brings no box.
ProgramCheckReport CheckProgram(const std::vector<std::string>& lines, Session& session,
                                bool reportSuccess);

// The same, and `sink` (when set) sees every line that is not empty after trimming.
ProgramCheckReport CheckProgram(const std::vector<std::string>& lines, Session& session,
                                bool reportSuccess, const CheckedLineSink& sink);

// Whether a line with checker result `code` passes the whole-script check: accepted, or
// one of the soft results (acceleration band, user step) that are not counted as errors.
bool PassesProgramCheck(std::uint16_t code);
bool IsSoftResult(std::uint16_t code);

// The part of a script line that the check reads: without leading and trailing blanks and
// control characters. Empty for a line that the check skips.
std::string_view TrimmedScriptLine(std::string_view written);

// "Line " and the line number right-aligned in five characters ("Line    10").
std::string LineCaption(std::size_t number);

} // namespace orvant
