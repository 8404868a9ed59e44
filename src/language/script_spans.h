#pragma once
// How the editor colours a script line and the trace window a trace line: which stretch is
// the command character, which its argument and which the comment. Presentation only.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace orvant {

enum class SpanKind : std::uint8_t { Command, Argument, Comment };

struct TextSpan {
    std::size_t start = 0;
    std::size_t length = 0;
    SpanKind kind = SpanKind::Command;

    bool operator==(const TextSpan&) const = default;
};

// Spans of a script line, in order. Leading and trailing blanks belong to no span; a first
// character that is not a command gets no colour (the live check marks it); small letters
// count as their capitals.
std::vector<TextSpan> ScriptLineSpans(std::string_view line);

// The command and its argument: the line without its comment and without the blanks and
// control characters around what is left (the part the check reads).
TextSpan ScriptCodeExtent(std::string_view line);

// The time of day at the end of a trace line, from its ";" on, as a Comment span; none for
// a line without one.
std::vector<TextSpan> TraceLineSpans(std::string_view line);

} // namespace orvant
