#include "widgets/edit_mask.h"

namespace orvant {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
char Upper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

EditMask::EditMask(std::string_view maskText) {
    // The pattern ends at the first ";" that is not escaped.
    std::size_t end = 0;
    while (end < maskText.size() && maskText[end] != ';') {
        if (maskText[end] == '\\' && end + 1 < maskText.size())
            ++end;
        ++end;
    }
    const std::string_view pattern = maskText.substr(0, end);
    std::string_view rest = end < maskText.size() ? maskText.substr(end + 1) : std::string_view();
    if (!rest.empty()) {
        keepLiterals_ = rest[0] != '0';
        const std::size_t semi = rest.find(';');
        if (semi != std::string_view::npos && semi + 1 < rest.size())
            blank_ = rest[semi + 1];
    }

    Case caseMode = Case::Keep;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char p = pattern[i];
        Slot slot;
        slot.caseMode = caseMode;
        switch (p) {
        case '!':
            leadingBlanks_ = true;
            continue;
        case '>':
            caseMode = Case::Upper;
            continue;
        case '<':
            if (i + 1 < pattern.size() && pattern[i + 1] == '>') {
                ++i;
                caseMode = Case::Keep;
            } else {
                caseMode = Case::Lower;
            }
            continue;
        case '\\':
            if (i + 1 < pattern.size())
                ++i;
            slot.literal = pattern[i];
            break;
        case '0':
        case '9':
            slot.kind = Kind::Digit;
            slot.required = p == '0';
            break;
        case '#':
            slot.kind = Kind::DigitOrSign;
            break;
        case 'A':
        case 'a':
            slot.kind = Kind::Alnum;
            slot.required = p == 'A';
            break;
        case 'L':
        case 'l':
            slot.kind = Kind::Letter;
            slot.required = p == 'L';
            break;
        case 'C':
        case 'c':
            slot.kind = Kind::Any;
            slot.required = p == 'C';
            break;
        default:
            slot.literal = p;
            break;
        }
        slots_.push_back(slot);
    }
}

bool EditMask::IsLiteral(std::size_t pos) const {
    return pos < slots_.size() && slots_[pos].kind == Kind::Literal;
}

char EditMask::Accept(std::size_t pos, char c) const {
    if (pos >= slots_.size())
        return 0;
    const Slot& s = slots_[pos];
    bool fits = false;
    switch (s.kind) {
    case Kind::Literal:
        return 0;
    case Kind::Digit:
        fits = IsDigit(c);
        break;
    case Kind::DigitOrSign:
        fits = IsDigit(c) || c == '+' || c == '-';
        break;
    case Kind::Alnum:
        fits = IsDigit(c) || IsLetter(c);
        break;
    case Kind::Letter:
        fits = IsLetter(c);
        break;
    case Kind::Any:
        // Any printable character; control characters never enter a field.
        fits = static_cast<unsigned char>(c) >= 32 && c != 127;
        break;
    }
    if (!fits)
        return 0;
    switch (s.caseMode) {
    case Case::Upper:
        return Upper(c);
    case Case::Lower:
        return Lower(c);
    case Case::Keep:
        break;
    }
    return c;
}

EditMask::Cells EditMask::Empty() const {
    Cells cells(slots_.size(), 0);
    for (std::size_t i = 0; i < slots_.size(); ++i)
        if (slots_[i].kind == Kind::Literal)
            cells[i] = slots_[i].literal;
    return cells;
}

std::string EditMask::Display(const Cells& cells) const {
    std::string out;
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        const char c = i < cells.size() ? cells[i] : 0;
        out += slots_[i].kind == Kind::Literal ? slots_[i].literal : (c ? c : blank_);
    }
    return out;
}

std::string EditMask::Text(const Cells& cells) const {
    std::string out;
    std::string filled;
    std::size_t blanks = 0;
    auto flush = [&] {
        if (leadingBlanks_)
            out += std::string(blanks, ' ') + filled;
        else
            out += filled + std::string(blanks, ' ');
        filled.clear();
        blanks = 0;
    };
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        if (slots_[i].kind == Kind::Literal) {
            flush();
            if (keepLiterals_)
                out += slots_[i].literal;
            continue;
        }
        const char c = i < cells.size() ? cells[i] : 0;
        if (c)
            filled += c;
        else
            ++blanks;
    }
    flush();
    return out;
}

EditMask::Cells EditMask::FromText(std::string_view text) const {
    Cells cells = Empty();
    std::size_t pos = 0;
    for (const char c : text) {
        if (pos >= slots_.size())
            break;
        if (slots_[pos].kind == Kind::Literal) {
            if (c == slots_[pos].literal) {
                ++pos;
                continue;
            }
            pos = NextEditable(pos);
            if (pos >= slots_.size())
                break;
        }
        if (c == ' ' || c == blank_)
            continue;
        if (const char accepted = Accept(pos, c)) {
            cells[pos] = accepted;
            ++pos;
        }
    }
    return cells;
}

bool EditMask::Complete(const Cells& cells) const {
    for (std::size_t i = 0; i < slots_.size(); ++i)
        if (slots_[i].required && (i >= cells.size() || cells[i] == 0))
            return false;
    return true;
}

std::size_t EditMask::NextEditable(std::size_t pos) const {
    while (pos < slots_.size() && slots_[pos].kind == Kind::Literal)
        ++pos;
    return pos;
}

bool EditMask::Type(Cells& cells, std::size_t& pos, char c) const {
    const std::size_t at = NextEditable(pos);
    const char accepted = Accept(at, c);
    if (!accepted)
        return false;
    cells.resize(slots_.size(), 0);
    cells[at] = accepted;
    pos = NextEditable(at + 1);
    return true;
}

bool EditMask::Paste(Cells& cells, std::size_t& pos, std::string_view text) const {
    Cells trial = cells;
    std::size_t at = pos;
    for (const char c : text)
        if (!Type(trial, at, c))
            return false;
    cells = std::move(trial);
    pos = at;
    return true;
}

void EditMask::Erase(Cells& cells, std::size_t from, std::size_t to) const {
    cells.resize(slots_.size(), 0);
    for (std::size_t i = from; i < to && i < slots_.size(); ++i)
        if (slots_[i].kind != Kind::Literal)
            cells[i] = 0;
}

} // namespace orvant
