#include "language/script_text.h"

namespace orvant {

std::string JoinScriptLines(const std::vector<std::string>& lines) {
    std::size_t total = 0;
    for (const auto& l : lines)
        total += l.size() + 2;
    std::string out;
    out.reserve(total);
    for (const auto& l : lines) {
        out += l;
        out += "\r\n";
    }
    return out;
}

std::vector<std::string> SplitScriptText(const std::string& bytes) {
    std::vector<std::string> lines;
    std::string current;
    bool open = false; // a line has started that no line end has closed yet
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(std::move(current));
            current.clear();
            open = false;
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
        } else {
            current += c;
            open = true;
        }
    }
    if (open)
        lines.push_back(std::move(current));
    return lines;
}

} // namespace orvant
