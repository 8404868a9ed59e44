// The edit masks of the entry fields: what can be typed, what is shown, what comes back.

#include "widgets/edit_mask.h"

#include <gtest/gtest.h>

namespace orvant {
namespace {

struct TypingCase {
    const char* name;
    const char* mask;
    const char* keys; // typed one by one into an empty field from its first position
    const char* text;
    const char* display;
    bool complete;
};

const TypingCase kTyping[] = {
    {"eight digits, leading blanks", "!99999999;1;.", "1500", "    1500", "1500....", true},
    {"eight digits, nothing typed", "!99999999;1;.", "", "        ", "........", true},
    {"eight digits refuse letters, signs, blanks", "!99999999;1;.", "1a-5 b+", "      15",
     "15......", true},
    {"eight digits take no ninth", "!99999999;1;.", "1234567890", "12345678", "12345678", true},
    {"three digits", "!999;1;.", "75", " 75", "75.", true},
    {"three digits take no fourth", "!999;1;.", "1000", "100", "100", true},
    {"without ! the blanks trail", "99999999;1;.", "48", "48      ", "48......", true},
    {"three digits, trailing blanks", "999;1;.", "7", "7  ", "7..", true},
    {"letters and digits in upper case", ">AAAAA;1;,", "ab1cd", "AB1CD", "AB1CD", true},
    {"required positions left empty", ">AAAAA;1;,", "x2", "X2   ", "X2,,,", false},
    {"letters and digits refuse the rest", ">AAAAA;1;,", "a-b.c d", "ABCD ", "ABCD,", false},
    {"lower case", "<lll;1;_", "AbC", "abc", "abc", true},
    {"literals kept and stepped over", "99:99;1;_", "1234", "12:34", "12:34", true},
    {"literals left out of the text", "99:99;0;_", "123", "123 ", "12:3_", true},
    {"required digits", "000;1;_", "1", "1  ", "1__", false},
};

TEST(EditMaskTest, TypingShowsAndGivesBackWhatTheMaskAllows) {
    for (const TypingCase& c : kTyping) {
        SCOPED_TRACE(c.name);
        const EditMask mask(c.mask);
        EditMask::Cells cells = mask.Empty();
        std::size_t caret = 0;
        for (const char* k = c.keys; *k; ++k)
            mask.Type(cells, caret, *k);
        EXPECT_EQ(mask.Text(cells), c.text);
        EXPECT_EQ(mask.Display(cells), c.display);
        EXPECT_EQ(mask.Complete(cells), c.complete);
    }
}

struct TextCase {
    const char* name;
    const char* mask;
    const char* given;
    const char* text;
    const char* display;
};

const TextCase kTexts[] = {
    {"remembered text with its blanks", "!99999999;1;.", "    1000", "    1000", "1000...."},
    {"initial text without blanks", "!99999999;1;.", "1000", "    1000", "1000...."},
    {"empty text", "!999;1;.", "", "   ", "..."},
    {"blank characters count as empty", "!999;1;.", ".5.", "  5", "5.."},
    {"characters the mask refuses are dropped", "!99999999;1;.", "12ab-34", "    1234", "1234...."},
    {"longer than the mask", "!999;1;.", "12345", "123", "123"},
    {"trailing blanks kept", "99999999;1;.", "48      ", "48      ", "48......"},
    {"upper case applied", ">AAAAA;1;,", "ab", "AB   ", "AB,,,"},
    {"literal matched", "99:99;1;_", "12:34", "12:34", "12:34"},
    {"literal stepped over", "99:99;0;_", "1234", "1234", "12:34"},
};

TEST(EditMaskTest, AGivenTextFillsThePositionsInOrder) {
    for (const TextCase& c : kTexts) {
        SCOPED_TRACE(c.name);
        const EditMask mask(c.mask);
        const EditMask::Cells cells = mask.FromText(c.given);
        EXPECT_EQ(mask.Text(cells), c.text);
        EXPECT_EQ(mask.Display(cells), c.display);
    }
}

TEST(EditMaskTest, MaskFields) {
    const EditMask eight("!99999999;1;.");
    EXPECT_EQ(eight.size(), 8u);
    EXPECT_TRUE(eight.LeadingBlanks());
    EXPECT_TRUE(eight.KeepsLiterals());
    EXPECT_EQ(eight.BlankChar(), '.');
    const EditMask plain("999");
    EXPECT_FALSE(plain.LeadingBlanks());
    EXPECT_EQ(plain.BlankChar(), '_') << "the blank character defaults to an underscore";
    const EditMask escaped("\\99;1;_");
    EXPECT_EQ(escaped.size(), 2u);
    EXPECT_TRUE(escaped.IsLiteral(0));
    EXPECT_EQ(escaped.Display(escaped.Empty()), "9_");
}

TEST(EditMaskTest, PasteIsAllOrNothingAndEraseEmptiesPositions) {
    const EditMask mask("!99999999;1;.");
    EditMask::Cells cells = mask.FromText("1000");
    std::size_t caret = 1;
    EXPECT_FALSE(mask.Paste(cells, caret, "5x"));
    EXPECT_EQ(mask.Text(cells), "    1000");
    EXPECT_EQ(caret, 1u);
    EXPECT_TRUE(mask.Paste(cells, caret, "55"));
    EXPECT_EQ(mask.Text(cells), "    1550");
    EXPECT_EQ(caret, 3u);
    EXPECT_FALSE(mask.Paste(cells, caret, "123456")) << "more than the positions left";
    mask.Erase(cells, 0, 2);
    EXPECT_EQ(mask.Display(cells), "..50....");
    EXPECT_EQ(mask.Text(cells), "      50");
}

} // namespace
} // namespace orvant
