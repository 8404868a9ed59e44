#include "language/script_spans.h"

#include "language/command_checker.h"
#include "language/program_checker.h"

namespace orvant {

namespace {

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

} // namespace

TextSpan ScriptCodeExtent(std::string_view line) {
    const std::string_view code = TrimmedScriptLine(line.substr(0, line.find(';')));
    return {static_cast<std::size_t>(code.data() - line.data()), code.size(), SpanKind::Command};
}

std::vector<TextSpan> ScriptLineSpans(std::string_view line) {
    std::vector<TextSpan> spans;
    const std::size_t comment = line.find(';');
    const TextSpan code = ScriptCodeExtent(line);
    const std::size_t begin = code.start, end = code.start + code.length;
    if (begin < end) {
        if (CommandSyntaxOf(static_cast<unsigned char>(AsCommandCharacter(line[begin])))) {
            spans.push_back({begin, 1, SpanKind::Command});
            std::size_t argument = begin + 1;
            while (argument < end && IsBlank(line[argument]))
                ++argument;
            if (argument < end)
                spans.push_back({argument, end - argument, SpanKind::Argument});
        }
    }
    if (comment != std::string_view::npos)
        spans.push_back({comment, line.size() - comment, SpanKind::Comment});
    return spans;
}

std::vector<TextSpan> TraceLineSpans(std::string_view line) {
    const std::size_t semicolon = line.rfind(';');
    if (semicolon == std::string_view::npos)
        return {};
    return {TextSpan{semicolon, line.size() - semicolon, SpanKind::Comment}};
}

} // namespace orvant
