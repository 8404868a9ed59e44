#pragma once
// The editor's check while the operator types: the document's lines through the same walk as
// the program check, on a copy of the session, remembering for every line what the check
// would say of it. Nothing is shown and the live session is not touched.

#include "language/session.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace orvant {

enum class LineMarkKind : std::uint8_t {
    None,  // accepted, blank or comment only
    Fault, // the program check reports it (results 1 to 3)
    Soft,  // passes with a warning (results 5 and 6)
};

// What the check found on one line, with the settings it was checked against, so that the
// hint can be written when the operator asks for it.
struct LineMark {
    LineMarkKind kind = LineMarkKind::None;
    std::uint16_t code = 0;
    char command = 0; // first character of the normal form, upper case
    std::uint8_t modelCode = 0;
    std::int32_t startStop = 0;  // S of the current address before the line
    std::int32_t microsteps = 0; // M of the current address before the line

    bool operator==(const LineMark&) const = default;
};

class LiveCheck {
public:
    // Starts a pass from the live session as the program check would: the same settings and
    // address, the program size from 0.
    explicit LiveCheck(const Session& live);

    // Checks the next line of the document (lines in order, from the first).
    LineMark Feed(std::string_view written);

    std::uint32_t ProgramBits() const { return session_.ProgramBits; }
    const Session& State() const { return session_; }

private:
    Session session_;
    std::string working_;
};

// The tooltip of a marked line: the checker's message, then what the command accepts.
std::string LineMarkMessage(const LineMark& mark);

// The memory gauge of a document's status bar: "1234 / 2032 bits" once a model is
// identified, "1234 bits" before; `overflows` when the program does not fit the memory.
struct MemoryGauge {
    std::string text;
    bool overflows = false;
};
MemoryGauge MemoryGaugeFor(std::uint32_t programBits, const Session& session);

} // namespace orvant
