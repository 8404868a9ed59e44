#pragma once
// The edit masks of the entry fields. A mask text has three fields separated by ";": the
// pattern, "1" when literal characters are kept in the text ("0" when not), and the
// character shown in empty positions. Pattern characters:
//   "9" optional digit        "0" required digit      "#" optional digit or sign
//   "a" optional letter/digit "A" required letter/digit
//   "l" optional letter       "L" required letter
//   "c" optional character    "C" required character
//   ">" upper case from here  "<" lower case from here  "<>" no case change from here
//   "!" unfilled positions come out as leading blanks (without it: trailing blanks)
//   "\" the next character is a literal; every other character is a literal.
// EditMask is the pure model: the positions of a mask and the cells the operator filled.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace orvant {

class EditMask {
public:
    explicit EditMask(std::string_view maskText);

    std::size_t size() const { return slots_.size(); }
    bool IsLiteral(std::size_t pos) const;
    char BlankChar() const { return blank_; }
    bool LeadingBlanks() const { return leadingBlanks_; }
    bool KeepsLiterals() const { return keepLiterals_; }

    // The character that `c` becomes at position `pos` (case applied), or 0 when the
    // position does not take it.
    char Accept(std::size_t pos, char c) const;

    // --- the operator's cells --------------------------------------------------------
    // One cell per position: the filled character, or 0 for an empty position. Literal
    // positions hold their literal.
    using Cells = std::vector<char>;
    Cells Empty() const;
    // What the field shows: filled characters, literals, and the blank character in empty
    // positions; one character per position.
    std::string Display(const Cells& cells) const;
    // What the field gives back: per run of positions between literals the filled
    // characters in order, padded with blanks for the empty positions (leading blanks with
    // "!", trailing otherwise); literals when the mask keeps them.
    std::string Text(const Cells& cells) const;
    // Cells for a text given to the field: its characters fill the positions in order,
    // blanks and the blank character are skipped, literals of the mask are matched or
    // stepped over, and a character that its position does not take is dropped.
    Cells FromText(std::string_view text) const;
    // True when every required position is filled.
    bool Complete(const Cells& cells) const;

    // --- editing -----------------------------------------------------------------------
    // The next position at or after `pos` that the operator can fill; size() when none.
    std::size_t NextEditable(std::size_t pos) const;
    // Types `c` at `pos` (or the next fillable position after it): true and the caret
    // position after the typed character, or false when the character is refused.
    bool Type(Cells& cells, std::size_t& pos, char c) const;
    // Types every character of `text` from `pos`; all or nothing.
    bool Paste(Cells& cells, std::size_t& pos, std::string_view text) const;
    // Empties the positions from `from` to before `to`.
    void Erase(Cells& cells, std::size_t from, std::size_t to) const;

private:
    enum class Kind { Literal, Digit, DigitOrSign, Alnum, Letter, Any };
    enum class Case { Keep, Upper, Lower };
    struct Slot {
        Kind kind = Kind::Literal;
        bool required = false;
        Case caseMode = Case::Keep;
        char literal = 0;
    };
    std::vector<Slot> slots_;
    bool leadingBlanks_ = false;
    bool keepLiterals_ = true;
    char blank_ = '_';
};

} // namespace orvant
