#include "language/controller_models.h"
#include "language/program_checker.h"
#include "language/session.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvant {
namespace {

using Lines = std::vector<std::string>;

// The session after link set-up and an identification that answered `code`.
Session Identified(std::uint8_t code) {
    Session s;
    s.ResetAddressSettings();
    s.ModelCode() = code;
    s.MemoryBits = ModelByCode(code)->memoryBits;
    return s;
}

Lines Repeat(const std::string& line, std::size_t count) {
    return Lines(count, line);
}

std::string SizeText(const char* padded) {
    return std::string("Check is OK - 0 ERRORS\rLength of command file : ") + padded + " bits";
}

TEST(ProgramCheckerTest, PassingScriptsAndTheirSize) {
    struct Case {
        const char* name;
        Lines lines;
        const char* size; // as padded in the box
    };
    const Case cases[] = {
        {"link defaults", {"S200", "V1000", "A64", "F6400", "W500", "K"}, "  144"},
        {"empty document", {}, "    0"},
        {"blank and comment lines", {"", "   ", "\t", "; only a comment", "  ;x"}, "    0"},
        // 5 (acceleration outside the band of S = 20) and 6 (position not a multiple of 16
        // with M = 4) pass without adding to the size.
        {"soft results", {"S20", "A200", "M4", "=100", "K"}, "   48"},
        {"lower case and comments", {"  v 1000 ; speed", "k ; stop"}, "   32"},
    };
    for (const auto& c : cases) {
        Session s = Identified(2);
        s.ProgramBits = 999;
        const ProgramCheckReport r = CheckProgram(c.lines, s, true);
        EXPECT_TRUE(r.passed) << c.name;
        EXPECT_EQ(r.errors, 0u) << c.name;
        ASSERT_EQ(r.boxes.size(), 1u) << c.name;
        EXPECT_EQ(r.boxes[0].kind, ReportBoxKind::Information) << c.name;
        EXPECT_FALSE(r.boxes[0].criticalSound) << c.name;
        EXPECT_EQ(r.boxes[0].text, SizeText(c.size)) << c.name;

        // Without ReportSuccess a passing script shows nothing.
        Session quiet = Identified(2);
        const ProgramCheckReport q = CheckProgram(c.lines, quiet, false);
        EXPECT_TRUE(q.passed) << c.name;
        EXPECT_TRUE(q.boxes.empty()) << c.name;
        EXPECT_EQ(quiet.ProgramBits, s.ProgramBits) << c.name;
    }
}

TEST(ProgramCheckerTest, FaultyLinesAreReportedOneByOneThenSummed) {
    const Lines lines = {"S200", "V1000", "  sx ; bad", "K", "", "W500", "\tW16000001 ", "K"};
    for (bool reportSuccess : {true, false}) {
        Session s = Identified(2);
        s.MemoryBits = 8; // size is not compared when lines are faulty
        const ProgramCheckReport r = CheckProgram(lines, s, reportSuccess);
        EXPECT_FALSE(r.passed);
        EXPECT_EQ(r.errors, 2u);
        ASSERT_EQ(r.boxes.size(), 3u);
        for (const auto& b : r.boxes)
            EXPECT_EQ(b.kind, ReportBoxKind::Error);
        EXPECT_TRUE(r.boxes[0].criticalSound);
        EXPECT_TRUE(r.boxes[1].criticalSound);
        EXPECT_FALSE(r.boxes[2].criticalSound);
        EXPECT_EQ(r.boxes[0].text, "Line     3\r  sx ; bad\r\rSyntax Error");
        EXPECT_EQ(r.boxes[1].text, "Line     7\r\tW16000001 \r\rNumber Out Of Range");
        EXPECT_EQ(r.boxes[2].text, "2  ERRORS \r\r"
                                   "Line     3\t Syntax Error\r"
                                   "Line     7\t Number Out Of Range\r");
    }
}

TEST(ProgramCheckerTest, OneFaultyLine) {
    Session s;
    const ProgramCheckReport r = CheckProgram({"K", "Y1"}, s, true);
    EXPECT_FALSE(r.passed);
    EXPECT_EQ(r.errors, 1u);
    ASSERT_EQ(r.boxes.size(), 2u);
    EXPECT_EQ(r.boxes[0].text, "Line     2\rY1\r\rCommand unknown");
    EXPECT_EQ(r.boxes[1].text, "1 ERROR \r\rLine     2\t Command unknown\r");
}

TEST(ProgramCheckerTest, SizeAgainstProgramMemory) {
    struct Case {
        const char* name;
        std::uint8_t model;
        bool identified; // false: the model code restored from the state file only
        Lines lines;
        bool fits;
        const char* size;
    };
    Lines w864 = Repeat("W1", 27); // 27 * 32 = 864
    Lines w872 = w864;
    w872.push_back("K");
    Lines w40000 = Repeat("W1", 1250);
    Lines w40008 = w40000;
    w40008.push_back("K");
    // 2048 * 32 + 8 = 65544 bits: in 16 bits this would wrap to 8 and fit.
    Lines wrap = Repeat("W1", 2048);
    wrap.push_back("K");
    const Case cases[] = {
        {"model 1 at its memory", 1, true, w864, true, "  864"},
        {"model 1 above its memory", 1, true, w872, false, "  872"},
        {"unknown model at 40000", 0, false, w40000, true, "40000"},
        {"unknown model above 40000", 0, false, w40008, false, "40008"},
        {"restored model 1 keeps 40000 bits", 1, false, w872, true, "  872"},
        {"above 65535 bits", 10, true, wrap, false, "65544"},
        {"far above 65535 bits", 0, false, Repeat("W1", 3000), false, "96000"},
    };
    for (const auto& c : cases) {
        for (bool reportSuccess : {true, false}) {
            Session s;
            s.ModelCode() = c.model;
            if (c.identified) {
                s = Identified(c.model);
            }
            const ProgramCheckReport r = CheckProgram(c.lines, s, reportSuccess);
            EXPECT_EQ(r.passed, c.fits) << c.name;
            EXPECT_EQ(r.errors, 0u) << c.name;
            if (c.fits) {
                ASSERT_EQ(r.boxes.size(), reportSuccess ? 1u : 0u) << c.name;
                if (reportSuccess) {
                    EXPECT_EQ(r.boxes[0].text, SizeText(c.size)) << c.name;
                }
            } else {
                // Reported whether or not ReportSuccess is set.
                ASSERT_EQ(r.boxes.size(), 1u) << c.name;
                EXPECT_EQ(r.boxes[0].kind, ReportBoxKind::Error) << c.name;
                EXPECT_EQ(r.boxes[0].text, SizeText(c.size) + "\r\rCommand File is too large !!!")
                    << c.name;
            }
        }
    }
}

TEST(ProgramCheckerTest, SecondCheckStartsFromTheSettingsTheFirstLeft) {
    // The acceleration comes before the start/stop velocity that narrows it.
    const Lines lines = {"A200", "S20"};
    Session s;
    const ProgramCheckReport first = CheckProgram(lines, s, true);
    EXPECT_TRUE(first.passed);
    EXPECT_EQ(s.ProgramBits, 48u);
    EXPECT_EQ(s.CurrentRecord().A, 200);
    const ProgramCheckReport second = CheckProgram(lines, s, true);
    EXPECT_TRUE(second.passed);
    EXPECT_EQ(s.ProgramBits, 24u); // "A200" now gives 5 and counts nothing

    // A script that sets nothing it depends on gives the same size every time.
    const Lines plain = {"X3", "M4", "=96", "XG", "K"};
    Session t;
    CheckProgram(plain, t, false);
    const std::uint32_t once = t.ProgramBits;
    CheckProgram(plain, t, false);
    EXPECT_EQ(t.ProgramBits, once);
    EXPECT_EQ(t.CurrentAddress, 16);
    EXPECT_EQ(t.Records[3].M, 4);
}

TEST(ProgramCheckerTest, LineNumbersAreRightAlignedInFiveCharacters) {
    const std::pair<std::size_t, std::string> cases[] = {
        {1, "Line     1"}, {10, "Line    10"}, {12345, "Line 12345"}, {123456, "Line 123456"}};
    for (const auto& [n, text] : cases)
        EXPECT_EQ(LineCaption(n), text);

    Lines lines = Repeat("", 12344);
    lines[9] = "L0";
    lines.push_back("C30");
    Session s;
    const ProgramCheckReport r = CheckProgram(lines, s, true);
    ASSERT_EQ(r.boxes.size(), 3u);
    EXPECT_EQ(r.boxes[0].text, "Line    10\rL0\r\rNumber Out Of Range");
    EXPECT_EQ(r.boxes[1].text, "Line 12345\rC30\r\rNumber Out Of Range");
}

TEST(ProgramCheckerTest, SinkSeesEveryNonBlankLineWithItsNormalForm) {
    struct Seen {
        std::size_t number;
        std::uint16_t code;
        std::string normal;
    };
    std::vector<Seen> seen;
    Session s;
    CheckProgram({"", "  v 500 ; x", " ; comment", "I5X12", "\t", "=0"}, s, true,
                 [&seen](const CheckedLine& l) {
                     seen.push_back({l.number, l.code, std::string(l.normal)});
                 });
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen[0].number, 2u);
    EXPECT_EQ(seen[0].normal, "V500");
    EXPECT_EQ(seen[1].number, 3u);
    EXPECT_EQ(seen[1].normal, "");
    EXPECT_EQ(seen[2].number, 4u);
    EXPECT_EQ(seen[2].code, 2);
    EXPECT_EQ(seen[3].number, 6u);
    EXPECT_EQ(seen[3].code, 1);
}

} // namespace
} // namespace orvant
