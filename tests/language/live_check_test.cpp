// The editor's live check, its colour spans and its memory gauge.

#include "language/command_checker.h"
#include "language/live_check.h"
#include "language/program_checker.h"
#include "language/script_spans.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvant {
namespace {

struct SpanCase {
    const char* name;
    std::string line;
    std::vector<TextSpan> spans;
};

TEST(ScriptLineSpans, CommandArgumentAndCommentOfATableOfLines) {
    using K = SpanKind;
    const SpanCase cases[] = {
        {"command and argument", "V1000", {{0, 1, K::Command}, {1, 4, K::Argument}}},
        {"leading blanks and inner blanks",
         "  v 1000  ",
         {{2, 1, K::Command}, {4, 4, K::Argument}}},
        {"comment after the argument",
         "S200 ; start",
         {{0, 1, K::Command}, {1, 3, K::Argument}, {5, 7, K::Comment}}},
        {"comment only", "; all of it", {{0, 11, K::Comment}}},
        {"blanks then comment", "   ;x", {{3, 2, K::Comment}}},
        {"command alone", "k", {{0, 1, K::Command}}},
        {"lower-case argument stays an argument", "g+", {{0, 1, K::Command}, {1, 1, K::Argument}}},
        {"unknown first character gets no colour", "Y12 ;c", {{4, 2, K::Comment}}},
        {"blank line", "   \t ", {}},
        {"empty line", "", {}},
        {"condition with blanks", "I 5 H 12", {{0, 1, K::Command}, {2, 6, K::Argument}}},
    };
    for (const SpanCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ScriptLineSpans(c.line), c.spans);
    }
}

TEST(TraceLineSpans, TheTimeAfterTheSemicolonIsDimmed) {
    EXPECT_EQ(TraceLineSpans("V1000\t\t;12:03:04"),
              (std::vector<TextSpan>{{7, 9, SpanKind::Comment}}));
    EXPECT_TRUE(TraceLineSpans("           INPUT 13").empty());
}

struct Walk {
    std::vector<LineMark> marks;
    std::uint32_t bits = 0;
};

Walk LiveWalk(const std::vector<std::string>& lines, const Session& session) {
    LiveCheck check(session);
    Walk walk;
    for (const std::string& line : lines)
        walk.marks.push_back(check.Feed(line));
    walk.bits = check.ProgramBits();
    return walk;
}

Session LinkDefaults() {
    Session s;
    s.ModelCode() = 2; // K2207B, 2032 bits
    s.MemoryBits = 2032;
    s.ResetAddressSettings();
    return s;
}

TEST(LiveCheck, MarksExactlyTheLinesTheProgramCheckReportsAndTheSoftOnesQuieter) {
    const std::vector<std::string> lines = {
        "S200",        // 1 good
        "V99999",      // 2 out of range
        "",            // 3 blank
        "A70000",      // 4 out of range at any start/stop velocity
        "; comment",   // 5
        "Y1",          // 6 unknown
        "S20",         // 7 good: makes the next A soft
        "A200 ; soft", // 8 outside the band of S20, inside 1..65000
        "M4",          // 9
        "F100",        // 10 not a multiple of 16
        "F96",         // 11 good
        "SX",          // 12 syntax
        "K",           // 13 good
    };
    const Session live = LinkDefaults();
    const Walk walk = LiveWalk(lines, live);

    std::vector<std::size_t> faults, soft;
    for (std::size_t i = 0; i < walk.marks.size(); ++i) {
        if (walk.marks[i].kind == LineMarkKind::Fault)
            faults.push_back(i + 1);
        if (walk.marks[i].kind == LineMarkKind::Soft)
            soft.push_back(i + 1);
    }
    EXPECT_EQ(faults, (std::vector<std::size_t>{2, 4, 6, 12}));
    EXPECT_EQ(soft, (std::vector<std::size_t>{8, 10}));

    // The same lines that the program check reports, and the same size.
    Session checked = live;
    std::vector<std::size_t> reported;
    CheckProgram(lines, checked, false, [&reported](const CheckedLine& l) {
        if (!PassesProgramCheck(l.code))
            reported.push_back(l.number);
    });
    EXPECT_EQ(reported, faults);
    EXPECT_EQ(walk.bits, checked.ProgramBits);
    EXPECT_EQ(walk.bits, 24u + 24u + 16u + 32u + 8u);
}

TEST(LiveCheck, SettingsCarryFromLineToLineAndTheLiveSessionStaysAsItWas) {
    Session live = LinkDefaults(); // S200: A200 lies in the band 1..7424
    live.ProgramBits = 777;
    const Session before = live;

    const Walk walk = LiveWalk({"A200", "S20", "A200", "XA", "S", "A200"}, live);
    EXPECT_EQ(walk.marks[0].kind, LineMarkKind::None);
    EXPECT_EQ(walk.marks[2].kind, LineMarkKind::Soft) << "S20 allows 1 to 116 only";
    EXPECT_EQ(walk.marks[2].startStop, 20);
    EXPECT_EQ(walk.marks[5].kind, LineMarkKind::None) << "S without a number is not known";

    EXPECT_EQ(live.ProgramBits, 777u);
    EXPECT_EQ(live.CurrentAddress, before.CurrentAddress);
    EXPECT_EQ(live.CurrentRecord().S, 200);
    EXPECT_EQ(live.CurrentRecord().A, before.CurrentRecord().A);
}

TEST(LiveCheck, MessagesSayWhatTheCheckerSaysAndWhatTheCommandAccepts) {
    const Walk walk = LiveWalk({"V50000", "S20", "A200", "M4", "F100", "#", "SX"}, LinkDefaults());
    const std::string range = LineMarkMessage(walk.marks[0]);
    EXPECT_EQ(range.rfind("Number Out Of Range\n", 0), 0u) << range;
    EXPECT_NE(range.find("Accepted: 16 to 20000."), std::string::npos) << range;
    const std::string band = LineMarkMessage(walk.marks[2]);
    EXPECT_NE(band.find("(1 to 116)"), std::string::npos) << band;
    const std::string step = LineMarkMessage(walk.marks[4]);
    EXPECT_EQ(step.rfind("Entered Number is not integer multiply of user step !\n", 0), 0u) << step;
    EXPECT_NE(step.find("multiple of 16"), std::string::npos) << step;
    EXPECT_EQ(LineMarkMessage(walk.marks[5]).rfind("Command unknown\n", 0), 0u);
    EXPECT_EQ(LineMarkMessage(walk.marks[6]).rfind("Syntax Error\n", 0), 0u);
    EXPECT_EQ(LineMarkMessage(LineMark{}), "");
}

TEST(MemoryGauge, TextAndOverflowAroundTheMemoryLimit) {
    struct Case {
        const char* name;
        std::uint8_t model;
        std::uint16_t memory;
        std::uint32_t bits;
        const char* text;
        bool overflows;
    };
    const Case cases[] = {
        {"no model yet", 0, 40000, 1234, "1234 bits", false},
        {"no model, above the default memory", 0, 40000, 40008, "40008 bits", true},
        {"below the memory", 1, 864, 856, "856 / 864 bits", false},
        {"exactly the memory fits", 1, 864, 864, "864 / 864 bits", false},
        {"one command too many", 1, 864, 872, "872 / 864 bits", true},
        {"empty program", 2, 2032, 0, "0 / 2032 bits", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Session s;
        s.ModelCode() = c.model;
        s.MemoryBits = c.memory;
        const MemoryGauge gauge = MemoryGaugeFor(c.bits, s);
        EXPECT_EQ(gauge.text, c.text);
        EXPECT_EQ(gauge.overflows, c.overflows);
    }
}

} // namespace
} // namespace orvant
