#include "language/script_text.h"

#include <gtest/gtest.h>

namespace orvant {
namespace {

using Lines = std::vector<std::string>;

TEST(ScriptTextTest, SplitsEveryKindOfLineEnd) {
    struct Case {
        std::string bytes;
        Lines lines;
    };
    const Case cases[] = {
        {"", {}},
        {"\r\n", {""}},
        {"V1000", {"V1000"}},
        {"V1000\r\nA64\r\n", {"V1000", "A64"}},
        {"V1000\nA64", {"V1000", "A64"}},
        {"V1000\rA64\r", {"V1000", "A64"}},
        {"S200\r\n\r\n  ; note\t\r\n", {"S200", "", "  ; note\t"}},
        {std::string("\xE9\xFF", 2), {std::string("\xE9\xFF", 2)}},
        {std::string("a\0b\r\n", 5), {std::string("a\0b", 3)}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitScriptText(c.bytes), c.lines) << c.bytes;
}

TEST(ScriptTextTest, JoinEndsEveryLineWithCrLfAndRoundTrips) {
    EXPECT_EQ(JoinScriptLines({}), "");
    EXPECT_EQ(JoinScriptLines({""}), "\r\n");
    EXPECT_EQ(JoinScriptLines({"S200", " v1 ", ""}), "S200\r\n v1 \r\n\r\n");
    for (const Lines& l : {Lines{}, Lines{""}, Lines{"", ""}, Lines{"a", "", "b"}})
        EXPECT_EQ(SplitScriptText(JoinScriptLines(l)), l);
}

} // namespace
} // namespace orvant
