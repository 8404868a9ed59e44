#include "language/script_spans.h"

#include "language/command_checker.h"

namespace orvant {

namespace {

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

} // namespace

std::vector<TextSpan> ScriptLineSpans(std::string_view line) {
    std::vector<TextSpan> spans;
    const std::size_t comment = line.find(';');
    const std::size_t codeEnd = comment == std::string_view::npos ? line.size() : comment;
    std::size_t begin = 0;
    while (begin < codeEnd && IsBlank(line[begin]))
        ++begin;
    std::size_t end = codeEnd;
    while (end > begin && IsBlank(line[end - 1]))
        --end;
    if (begin < end) {
        char c = line[begin];
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        if (CommandSyntaxOf(static_cast<unsigned char>(c))) {
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
