// The command reference agrees with the checker it is built from.

#include "language/command_checker.h"
#include "language/command_reference.h"
#include "language/controller_models.h"

#include <gtest/gtest.h>

#include <string>

namespace orvant {
namespace {

std::uint16_t Check(const std::string& text, std::uint8_t model = 0) {
    Session s;
    s.ModelCode() = model;
    std::string line = text;
    return CheckCommandLine(line, s);
}

TEST(CommandReference, EveryCharacterFromBangToUnderscoreHasItsRow) {
    const std::string unknown = UnknownCommandCharacters();
    for (unsigned c = '!'; c <= '_'; ++c) {
        const char ch = static_cast<char>(c);
        SCOPED_TRACE(std::string("character ") + ch);
        if (ch == ';') {
            EXPECT_EQ(CommandReferenceOf(ch), nullptr) << "\";\" begins a comment";
            continue;
        }
        const CommandReferenceRow* row = CommandReferenceOf(ch);
        const bool listedUnknown = unknown.find(ch) != std::string::npos;
        EXPECT_NE(row != nullptr, listedUnknown) << "a row or the list of non-commands";
        EXPECT_EQ(Check(std::string(1, ch)) == kCommandUnknown, listedUnknown);
        if (!row)
            continue;
        EXPECT_FALSE(row->meaning.empty());
        EXPECT_FALSE(row->menuItems.empty());
        EXPECT_FALSE(row->acceptedValues.empty());
        EXPECT_EQ(Check(row->example), kCommandAccepted) << row->example;
        EXPECT_EQ(std::toupper(static_cast<unsigned char>(row->example.front())), c);
    }
    EXPECT_EQ(unknown, "\"#$%&,0Y");
}

TEST(CommandReference, NumberRangesAreTheCheckersBoundaries) {
    // For every plain number command: its lowest and highest accepted, one beyond refused.
    for (const CommandReferenceRow& row : CommandReference()) {
        const std::optional<CommandSyntax> syntax = CommandSyntaxOf(row.command);
        ASSERT_TRUE(syntax);
        if (syntax->form != CommandForm::Number)
            continue;
        SCOPED_TRACE(std::string("command ") + row.command);
        const std::string c(1, row.command);
        EXPECT_EQ(row.acceptedValues,
                  std::to_string(syntax->lo) + " to " + std::to_string(syntax->hi));
        EXPECT_EQ(Check(c + std::to_string(syntax->lo)), kCommandAccepted);
        EXPECT_EQ(Check(c + std::to_string(syntax->hi)), kCommandAccepted);
        EXPECT_EQ(Check(c + std::to_string(syntax->hi + 1)), kNumberOutOfRange);
        if (syntax->lo > 0) {
            EXPECT_EQ(Check(c + std::to_string(syntax->lo - 1)), kNumberOutOfRange);
        }
    }
}

TEST(CommandReference, ModelDependentAndSetValuesReadAsTheCheckerDecides) {
    EXPECT_EQ(AcceptedValuesFor('V', 1), "16 to 20000");
    EXPECT_EQ(AcceptedValuesFor('V', 6), "16 to 40000");
    EXPECT_EQ(AcceptedValuesFor('J', 5), "1 to 15");
    EXPECT_EQ(AcceptedValuesFor('J', 0), "1 to 80");
    EXPECT_EQ(AcceptedValuesFor('C', 0), "1 to 21, 40 to 87, 100");
    EXPECT_EQ(AcceptedValuesFor('M', 0), "1, 2, 4, 8, 16, 32, 64");
    const std::string velocity = CommandReferenceOf('V')->acceptedValues;
    EXPECT_EQ(velocity, "16 to 20000 on K2207A, K2207B, K2207E1, K2207E2; 16 to 40000 on the "
                        "others and before identification");
    const std::string q = CommandReferenceOf('Q')->acceptedValues;
    EXPECT_NE(q.find("with M16: 4;"), std::string::npos) << q;
    const std::string a = CommandReferenceOf('A')->acceptedValues;
    EXPECT_NE(a.find("S 16 to 30: 1 to 116"), std::string::npos) << a;
    EXPECT_NE(a.find("S 977 to 1950: 8 to 65000"), std::string::npos) << a;
    EXPECT_EQ(CommandReferenceOf('G')->sizeBits, "8 for G+ and G-, 32 otherwise");
    EXPECT_EQ(CommandReferenceOf('@')->sizeBits, "0");
}

TEST(CommandReference, ThePageHasARowForEveryCommand) {
    const std::string html = CommandReferenceHtml();
    for (const CommandReferenceRow& row : CommandReference()) {
        std::string cell = "<tr><td><code>";
        cell += row.command == '<'   ? "&lt;"
                : row.command == '>' ? "&gt;"
                                     : std::string(1, row.command);
        EXPECT_NE(html.find(cell + "</code></td>"), std::string::npos) << row.command;
    }
    EXPECT_NE(html.find("<title>Command language</title>"), std::string::npos);
}

} // namespace
} // namespace orvant
