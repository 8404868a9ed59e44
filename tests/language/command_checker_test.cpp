#include "language/command_checker.h"
#include "language/command_errors.h"
#include "language/session.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvant {
namespace {

struct LineCase {
    std::string in;
    std::uint16_t code;
    std::string out;
    std::uint32_t bits; // added to ProgramBits
};

// Checks every case on a fresh copy of `base`.
void ExpectLines(const Session& base, const std::vector<LineCase>& cases) {
    for (const auto& c : cases) {
        Session s = base;
        s.ProgramBits = 100;
        std::string line = c.in;
        const std::uint16_t code = CheckCommandLine(line, s);
        EXPECT_EQ(code, c.code) << "line '" << c.in << "'";
        EXPECT_EQ(line, c.out) << "line '" << c.in << "'";
        EXPECT_EQ(s.ProgramBits - 100, c.bits) << "line '" << c.in << "'";
    }
}

Session WithModel(std::uint8_t code) {
    Session s;
    s.ModelCode() = code;
    return s;
}

Session Linked(std::uint8_t code) {
    Session s = WithModel(code);
    s.ResetAddressSettings();
    return s;
}

Session WithField(AddressField f, std::int32_t value) {
    Session s;
    s.SetAddressValue(f, value);
    return s;
}

// A command letter followed by a number. Built by appending: g++ 12 at -O3 warns falsely
// (-Wrestrict) on a literal concatenated with a temporary string.
std::string NumberLine(char letter, long value) {
    std::string line(1, letter);
    line += std::to_string(value);
    return line;
}

TEST(CommandCheckerTest, NormalFormAndDispatch) {
    ExpectLines(Session{}, {
                               {"", 0, "", 0},
                               {"   \t  ", 0, "", 0},
                               {";comment only", 0, "", 0},
                               {"  \t; K", 0, "", 0},
                               {"v 1000 ; set speed", 0, "V1000", 24},
                               {"\x01\x02\tk", 0, "K", 8},
                               {"KILL", 0, "K", 8},
                               {"kill", 0, "K", 8},
                               {"0", 3, "", 0},
                               {"Y1", 3, "", 0},
                               {"y1", 3, "", 0},
                               {"#", 3, "", 0},
                               {"{", 3, "", 0},
                               {"\"", 3, "", 0},
                               {"$5", 3, "", 0},
                               {"%", 3, "", 0},
                               {"&", 3, "", 0},
                               {",1", 3, "", 0},
                               {"`", 3, "", 0},
                               {"|", 3, "", 0},
                               {"}", 3, "", 0},
                               {"~", 3, "", 0},
                               {"\x7f", 3, "", 0},
                               {"\xe9", 3, "", 0},
                               {"\xff"
                                "12",
                                3, "", 0},
                           });
}

TEST(CommandCheckerTest, NumberForm) {
    ExpectLines(Session{}, {
                               {"S", 0, "S", 24},
                               {"S10", 1, "", 0},
                               {"SX", 2, "S", 0},
                               {"S-5", 2, "S", 0},
                               {"S\t100", 2, "S", 0},
                               {"S X", 0, "S", 24},
                               {"S -5", 0, "S", 24},
                               {"S 100 200", 0, "S100", 24},
                               {"S  100abc  ", 0, "S100", 24},
                               {"S \t 100", 0, "S100", 24},
                               {"S   ", 0, "S", 24},
                               {"S0100", 0, "S0100", 24},
                               {"S15", 1, "", 0},
                               {"S16", 0, "S16", 24},
                               {"S1950", 0, "S1950", 24},
                               {"S1951", 1, "", 0},
                               {"W16000000", 0, "W16000000", 32},
                               {"W16000001", 1, "", 0},
                               {"W0", 1, "", 0},
                               {"W2147483647", 1, "", 0},
                               {"W2147483648", 2, "", 0},
                               {"W99999999999", 2, "", 0},
                               {"W00000000000000000005", 0, "W00000000000000000005", 32},
                               {"W 12 ; wait", 0, "W12", 32},
                               {":0", 0, ":0", 32},
                               {":16000000", 0, ":16000000", 32},
                               {":16000001", 1, "", 0},
                               {"L0", 1, "", 0},
                               {"L255", 0, "L255", 16},
                               {"L256", 1, "", 0},
                               {"(21", 0, "(21", 16},
                               {"(22", 1, "", 0},
                               {")1", 0, ")1", 16},
                               {"*255", 0, "*255", 16},
                               {"+0", 1, "", 0},
                               {"-255", 0, "-255", 16},
                               {"/256", 1, "", 0},
                               {"<10", 0, "<10", 16},
                               {">11", 1, "", 0},
                               {"N7", 0, "N7", 16},
                               {"N8", 1, "", 0},
                               {"O21", 0, "O21", 16},
                               {"Z22", 1, "", 0},
                               {"P19", 1, "", 0},
                               {"P20", 0, "P20", 24},
                               {"P7000", 0, "P7000", 24},
                               {"P7001", 1, "", 0},
                               {"U25", 0, "U25", 16},
                               {"U26", 1, "", 0},
                               {"^255", 0, "^255", 0},
                               {"^0", 1, "", 0},
                           });
}

TEST(CommandCheckerTest, VelocityRangeByModel) {
    for (int code = 0; code <= 10; ++code) {
        const bool slow = code >= 1 && code <= 4;
        const Session base = WithModel(static_cast<std::uint8_t>(code));
        SCOPED_TRACE(code);
        ExpectLines(base, {
                              {"V16", 0, "V16", 24},
                              {"V15", 1, "", 0},
                              {"V20000", 0, "V20000", 24},
                              {"V25000", slow ? std::uint16_t{1} : std::uint16_t{0},
                               slow ? "" : "V25000", slow ? 0u : 24u},
                              {"V40000", slow ? std::uint16_t{1} : std::uint16_t{0},
                               slow ? "" : "V40000", slow ? 0u : 24u},
                              {"V40001", 1, "", 0},
                          });
    }
}

TEST(CommandCheckerTest, LabelRangeByModel) {
    for (int code = 0; code <= 10; ++code) {
        const bool small = code == 1 || code == 5;
        const Session base = WithModel(static_cast<std::uint8_t>(code));
        SCOPED_TRACE(code);
        ExpectLines(base,
                    {
                        {"@5", 0, "@5", 0},
                        {"@15", 0, "@15", 0},
                        {"@16", small ? std::uint16_t{1} : std::uint16_t{0}, small ? "" : "@16", 0},
                        {"J80", small ? std::uint16_t{1} : std::uint16_t{0}, small ? "" : "J80",
                         small ? 0u : 16u},
                        {"'81", 1, "", 0},
                        {"J0", 1, "", 0},
                        {"'", 0, "'", 16},
                        {"I1H15", 0, "I1H15", 32},
                        {"I1H16", small ? std::uint16_t{1} : std::uint16_t{0}, small ? "" : "I1H16",
                         small ? 0u : 32u},
                    });
    }
}

TEST(CommandCheckerTest, OutputForm) {
    ExpectLines(Session{}, {
                               {"C75", 0, "C75", 16},
                               {"T100", 0, "T100", 16},
                               {"C30", 1, "", 0},
                               {"C0", 1, "", 0},
                               {"C1", 0, "C1", 16},
                               {"C21", 0, "C21", 16},
                               {"C22", 1, "", 0},
                               {"T39", 1, "", 0},
                               {"T40", 0, "T40", 16},
                               {"T87", 0, "T87", 16},
                               {"T88", 1, "", 0},
                               {"T99", 1, "", 0},
                               {"T101", 1, "", 0},
                               {"T 5 x", 0, "T5", 16},
                               {"C", 0, "C", 16},
                               {"CX", 2, "C", 0},
                               {"C99999999999", 2, "", 0},
                           });
}

TEST(CommandCheckerTest, PortForm) {
    ExpectLines(Session{}, {
                               {"!12", 0, "!12", 32},
                               {"!105", 0, "!105", 32},
                               {"!108", 0, "!108", 32},
                               {"?214", 0, "?214", 16},
                               {"!18", 1, "!", 0},
                               {"!185", 1, "!", 0},
                               {"!1", 1, "!", 0},
                               {"!1234", 1, "!", 0},
                               {"!A", 2, "!", 0},
                               {"! A", 0, "!", 32},
                               {"!", 0, "!", 32},
                               {"!   ", 0, "!", 32},
                               {"!\tA", 2, "!", 0},
                               {"!   12  ", 0, "!12", 32},
                               {"!12X", 0, "!12", 32},
                               {"!77", 0, "!77", 32},
                               {"!08", 1, "!", 0},
                               {"!80", 1, "!", 0},
                               {"!101", 0, "!101", 32},
                               {"!109", 1, "!", 0},
                               {"!100", 1, "!", 0},
                               {"!178", 0, "!178", 32},
                               {"!179", 1, "!", 0},
                               {"!181", 0, "!181", 32},
                               {"!214", 0, "!214", 32},
                               {"!215", 1, "!", 0},
                               {"!221", 1, "!", 0},
                               {"!091", 1, "!", 0},
                               {"!0000000000012", 1, "!", 0},
                               {"!99999999999", 2, "!", 0},
                               {"?-1", 2, "?", 0},
                           });
}

TEST(CommandCheckerTest, ConditionForm) {
    ExpectLines(Session{}, {
                               {"I 5 H 12", 0, "I5H12", 32},
                               {"i5h12", 0, "I5H12", 32},
                               {"I05L07 junk", 0, "I05L07", 32},
                               {"I87L80", 0, "I87L80", 32},
                               {"I5X12", 2, "", 0},
                               {"I", 2, "", 0},
                               {"IH1", 2, "", 0},
                               {"I1", 2, "", 0},
                               {"I1 ", 2, "", 0},
                               {"I1H", 2, "", 0},
                               {"I1HX", 2, "", 0},
                               {"I99999999999H1", 2, "", 0},
                               {"I88H1", 1, "", 0},
                               {"I0H1", 1, "", 0},
                               {"I1H0", 1, "", 0},
                               {"I1H81", 1, "", 0},
                               {"I1H99999999999", 1, "", 0},
                           });
}

TEST(CommandCheckerTest, SingleAndGoForms) {
    std::vector<LineCase> cases = {
        {"D", 0, "D", 8},     {"Dxyz", 0, "D", 8}, {"E", 0, "E", 8},    {"H 5", 0, "H", 8},
        {"R", 0, "R", 8},     {".", 0, ".", 8},    {"9abc", 0, "9", 8}, {"[", 0, "[", 0},
        {"\\x", 0, "\\", 0},  {"]", 0, "]", 0},    {"_", 0, "_", 0},    {"G+5", 0, "G+", 8},
        {"G-", 0, "G-", 8},   {"g-x", 0, "G-", 8}, {"G", 0, "G", 32},   {"G 64", 0, "G64", 32},
        {"G +5", 0, "G", 32}, {"GX", 2, "G", 0},   {"G0", 1, "", 0},
    };
    for (char d = '1'; d <= '9'; ++d)
        cases.push_back({std::string(1, d), 0, std::string(1, d), 8});
    ExpectLines(Session{}, cases);
}

TEST(CommandCheckerTest, AddressForm) {
    struct Case {
        std::string in;
        std::uint16_t code;
        std::string out;
        std::int32_t address; // current address afterwards (starts at 3)
    };
    const Case cases[] = {
        {"XA", 0, "XA", 10},  {"XG", 0, "XG", 16},         {"X0", 0, "X0", 0},
        {"X9", 0, "X9", 9},   {"xf", 0, "XF", 15},         {"X5abc", 0, "X5", 5},
        {"X", 0, "X", 3},     {"XH", 1, "XH", 3},          {"X 5", 1, "X 5", 3},
        {"X-1", 1, "X-1", 3}, {"  x h ; c", 1, "X H ", 3},
    };
    for (const auto& c : cases) {
        Session s = Linked(2);
        s.CurrentAddress = 3;
        s.Records[3].S = 777;
        const auto records = s.Records;
        std::string line = c.in;
        EXPECT_EQ(CheckCommandLine(line, s), c.code) << c.in;
        EXPECT_EQ(line, c.out) << c.in;
        EXPECT_EQ(s.CurrentAddress, c.address) << c.in;
        EXPECT_EQ(s.ProgramBits, c.code == 0 ? 16u : 0u) << c.in;
        for (int i = 0; i < kAddressRecords; ++i)
            EXPECT_EQ(s.Records[i].S, records[i].S) << c.in << " record " << i;
    }
}

TEST(CommandCheckerTest, AccelerationBandsByStartStopVelocity) {
    struct Case {
        std::int32_t s;
        std::int32_t lowest;  // lowest accepted
        std::int32_t highest; // highest accepted
    };
    const Case cases[] = {
        {-1, 1, 65000},   {-2147483647, 1, 65000},
        {0, 1, 65000},    {16, 1, 116},
        {30, 1, 116},     {31, 1, 464},
        {61, 1, 464},     {62, 1, 1856},
        {122, 1, 1856},   {123, 1, 7424},
        {244, 1, 7424},   {245, 1, 29694},
        {488, 1, 29694},  {489, 2, 65000},
        {976, 2, 65000},  {977, 8, 65000},
        {1950, 8, 65000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.s);
        const Session base = WithField(AddressField::S, c.s);
        const std::string lowest = NumberLine('A', c.lowest);
        const std::string highest = NumberLine('A', c.highest);
        const std::string below = NumberLine('A', c.lowest - 1);
        const std::string above = NumberLine('A', c.highest + 1);
        ExpectLines(base, {
                              {lowest, 0, lowest, 24},
                              {highest, 0, highest, 24},
                              // Outside the band but within 1..65000: 5 with the line kept;
                              // outside 1..65000 as well: 1 with an empty line.
                              {below, c.lowest > 1 ? std::uint16_t{5} : std::uint16_t{1},
                               c.lowest > 1 ? below : "", 0},
                              {above, c.highest < 65000 ? std::uint16_t{5} : std::uint16_t{1},
                               c.highest < 65000 ? above : "", 0},
                              {"A70000", 1, "", 0},
                              {"A", 0, "A", 24},
                              {"AX", 2, "A", 0},
                              {"A99999999999", 2, "", 0},
                          });
    }
}

TEST(CommandCheckerTest, AccelerationWithoutBand) {
    for (std::int32_t s : {1, 15, 1951, 100000}) {
        SCOPED_TRACE(s);
        ExpectLines(WithField(AddressField::S, s), {
                                                       {"A100", 5, "A100", 0},
                                                       {"A 100 ;x", 5, "A100", 0},
                                                       {"A70000", 5, "", 0},
                                                       {"A", 5, "A", 0},
                                                       {"AX", 5, "A", 0},
                                                   });
    }
}

TEST(CommandCheckerTest, AccelerationStoresOnlyWhenAccepted) {
    struct Case {
        std::int32_t s;
        std::string in;
        std::uint16_t code;
        std::int32_t a; // A afterwards (starts at 64)
    };
    const Case cases[] = {
        {20, "A200", 5, 64}, {20, "A70000", 1, 64}, {20, "A100", 0, 100},     {20, "A", 0, -1},
        {10, "A100", 5, 64}, {500, "A1", 5, 64},    {-1, "A65000", 0, 65000},
    };
    for (const auto& c : cases) {
        Session s = Linked(2);
        s.SetAddressValue(AddressField::S, c.s);
        std::string line = c.in;
        EXPECT_EQ(CheckCommandLine(line, s), c.code) << c.s << " " << c.in;
        for (const auto& r : s.Records)
            EXPECT_EQ(r.A, c.a) << c.s << " " << c.in;
    }
}

TEST(CommandCheckerTest, MicrostepAndQualificationForms) {
    ExpectLines(Session{}, {
                               {"M3", 1, "M3", 0},
                               {"M 6", 1, "M6", 0},
                               {"M64", 0, "M64", 16},
                               {"M65", 1, "", 0},
                               {"M0", 1, "", 0},
                               {"M 8", 0, "M8", 16},
                               {"M", 0, "M", 16},
                               {"MX", 2, "M", 0},
                               {"Q3", 1, "Q3", 0},
                               {"Q5", 1, "", 0},
                               {"Q0", 1, "", 0},
                               {"Q", 0, "Q", 16},
                               {"Q 4", 0, "Q4", 16},
                           });
    ExpectLines(WithField(AddressField::M, 8), {
                                                   {"Q4", 1, "Q4", 0},
                                                   {"Q2", 0, "Q2", 16},
                                                   {"Q3", 1, "Q3", 0},
                                               });
}

TEST(CommandCheckerTest, QualificationFitsTheMicrostepSetting) {
    struct Case {
        std::int32_t m;
        const char* fits; // accepted qualifications among 0..5
    };
    const Case cases[] = {
        {-2147483647, "124"},
        {-1, "124"},
        {0, "124"},
        {1, "1"},
        {2, "2"},
        {4, "14"},
        {8, "12"},
        {16, "4"},
        {32, "124"},
        {64, "124"},
        {3, ""},
        {128, ""},
    };
    for (const auto& c : cases) {
        const Session s = WithField(AddressField::M, c.m);
        const std::string fits = c.fits;
        for (std::int32_t q = -1; q <= 5; ++q) {
            const bool expected =
                q >= 0 && fits.find(static_cast<char>('0' + q)) != std::string::npos;
            EXPECT_EQ(QualificationFits(q, s), expected) << "M " << c.m << " Q " << q;
            std::string line = NumberLine('Q', q);
            Session t = s;
            const std::uint16_t code = CheckCommandLine(line, t);
            if (q >= 1 && q <= 4) {
                EXPECT_EQ(code, expected ? 0 : 1) << "M " << c.m << " Q " << q;
            }
        }
    }
}

TEST(CommandCheckerTest, PositionFormUsesTheUserStep) {
    ExpectLines(WithField(AddressField::M, 4), {
                                                   {"=100", 6, "=100", 0},
                                                   {"=96", 0, "=96", 32},
                                                   {"B16", 0, "B16", 32},
                                                   {"F8", 6, "F8", 0},
                                                   {"G100", 6, "G100", 0},
                                                   {"G96", 0, "G96", 32},
                                                   {"G+", 0, "G+", 8},
                                                   {"F", 0, "F", 32},
                                                   {"F0", 1, "", 0},
                                               });
    ExpectLines(WithField(AddressField::M, 1), {
                                                   {"F64", 0, "F64", 32},
                                                   {"F63", 6, "F63", 0},
                                               });
    ExpectLines(WithField(AddressField::M, 64), {
                                                    {"=1", 0, "=1", 32},
                                                    {"=3", 0, "=3", 32},
                                                });
    // A microstep setting above 64 must not divide by zero: every position fits.
    ExpectLines(WithField(AddressField::M, 128), {
                                                     {"=1", 0, "=1", 32},
                                                 });
    ExpectLines(Session{}, {
                               {"=1", 0, "=1", 32},
                               {"=16000000", 0, "=16000000", 32},
                               {"=16000001", 1, "", 0},
                               {"B0", 1, "", 0},
                               {"=X", 2, "=", 0},
                           });
}

TEST(CommandCheckerTest, StoredSettingsAndTheirValuesWithoutNumber) {
    struct Case {
        std::string in;
        AddressField field;
        std::int32_t stored;
    };
    const Case cases[] = {
        {"S300", AddressField::S, 300},
        {"S", AddressField::S, -2147483647},
        {"S -5", AddressField::S, -2147483647},
        {"V1500", AddressField::V, 1500},
        {"V", AddressField::V, -2147483647},
        {"M16", AddressField::M, 16},
        {"M", AddressField::M, -1},
        {"Q4", AddressField::Q, 4},
        {"Q", AddressField::Q, -1},
        {"A64", AddressField::A, 64},
        {"A", AddressField::A, -1},
    };
    for (const auto& c : cases) {
        // Address 16: every record takes the value.
        Session all = Linked(2);
        std::string line = c.in;
        ASSERT_EQ(CheckCommandLine(line, all), 0) << c.in;
        for (const auto& r : all.Records)
            EXPECT_EQ(r.Field(c.field), c.stored) << c.in;

        // Address 3: only record 3.
        Session one = Linked(2);
        one.CurrentAddress = 3;
        const Session before = one;
        line = c.in;
        ASSERT_EQ(CheckCommandLine(line, one), 0) << c.in;
        for (int i = 0; i < kAddressRecords; ++i)
            EXPECT_EQ(one.Records[i].Field(c.field),
                      i == 3 ? c.stored : before.Records[i].Field(c.field))
                << c.in << " record " << i;
        EXPECT_EQ(one.CurrentAddress, 3);
    }
}

TEST(CommandCheckerTest, RefusedLinesChangeNothing) {
    for (const char* in : {"S10", "SX", "V50000", "M3", "Q3", "A70000", "=0", "XH", "#", "I"}) {
        Session s = Linked(2);
        s.ProgramBits = 40;
        std::string line = in;
        EXPECT_NE(CheckCommandLine(line, s), 0) << in;
        EXPECT_EQ(s.ProgramBits, 40u) << in;
        EXPECT_EQ(s.CurrentAddress, 16) << in;
        EXPECT_EQ(s.AddressStatusText(true), Linked(2).AddressStatusText(true)) << in;
    }
}

// Lines checked one after another: each sees the settings the earlier ones left.
TEST(CommandCheckerTest, SettingsCarryOverFromLineToLine) {
    struct Step {
        std::string in;
        std::uint16_t code;
    };
    const std::vector<std::vector<Step>> sequences = {
        {{"S20", 0}, {"A200", 5}, {"S500", 0}, {"A200", 0}, {"A1", 5}},
        {{"X3", 0}, {"M4", 0}, {"=100", 6}, {"XG", 0}, {"=100", 0}, {"X3", 0}, {"=96", 0}},
        {{"M8", 0}, {"Q4", 1}, {"M16", 0}, {"Q4", 0}, {"M", 0}, {"Q4", 0}},
        {{"X5", 0}, {"S20", 0}, {"X6", 0}, {"A200", 0}, {"X5", 0}, {"A200", 5}},
        {{"S10", 1}, {"A100", 0}, {"S", 0}, {"A65000", 0}},
    };
    for (const auto& seq : sequences) {
        Session s;
        std::string trace;
        for (const auto& step : seq) {
            trace += step.in + " ";
            std::string line = step.in;
            EXPECT_EQ(CheckCommandLine(line, s), step.code) << trace;
        }
    }
}

// The settings summary after a few lines, from the link defaults.
TEST(CommandCheckerTest, SettingsSummaryFollowsTheCheckedLines) {
    struct Case {
        std::vector<std::string> lines;
        std::string status;
    };
    const Case cases[] = {
        {{"S300"}, "X=All;  M=4;  Q=1;  S=300;  V=1000;  A=64;  R=200;  "},
        {{"X3", "S300"}, "X=3;  M=4;  Q=1;  S=300;  V=1000;  A=64;  R=200;  "},
        {{"X3", "S300", "XG"}, "X=All;  M=4;  Q=1;  S=200;  V=1000;  A=64;  R=200;  "},
        {{"X3", "S300", "XG", "X3"}, "X=3;  M=4;  Q=1;  S=300;  V=1000;  A=64;  R=200;  "},
        {{"XF", "M8", "Q2", "V", "A"}, "X=F;  M=8;  Q=2;  S=200;  V=?;  A=?;  R=200;  "},
        {{"XA", "S20", "A200", "A100"}, "X=A;  M=4;  Q=1;  S=20;  V=1000;  A=100;  R=200;  "},
    };
    for (const auto& c : cases) {
        Session s = Linked(2);
        for (const auto& l : c.lines) {
            std::string line = l;
            CheckCommandLine(line, s);
        }
        EXPECT_EQ(s.AddressStatusText(true), c.status) << c.lines.size();
    }
}

TEST(CommandCheckerTest, ExampleVelocityLineWithModel2) {
    Session s = Linked(2);
    std::string line = "v 1000 ; set speed";
    EXPECT_EQ(CheckCommandLine(line, s), 0);
    EXPECT_EQ(line, "V1000");
    EXPECT_EQ(s.ProgramBits, 24u);
    EXPECT_EQ(s.CurrentRecord().V, 1000);
}

TEST(CommandCheckerTest, SizeClassOfEveryKnownCommand) {
    // The bare command character (or the smallest accepted argument) and its size.
    struct Case {
        const char* in;
        std::uint32_t bits;
    };
    const Case cases[] = {
        {"!", 32},  {"?", 16},  {"'1", 16},  {"(1", 16},   {")1", 16}, {"*1", 16}, {"+1", 16},
        {"-1", 16}, {".", 8},   {"/1", 16},  {":1", 32},   {"<1", 16}, {"=1", 32}, {">1", 16},
        {"@1", 0},  {"A1", 24}, {"B1", 32},  {"C1", 16},   {"D", 8},   {"E", 8},   {"F1", 32},
        {"G1", 32}, {"G+", 8},  {"H", 8},    {"I1H1", 32}, {"J1", 16}, {"K", 8},   {"L1", 16},
        {"M1", 16}, {"N1", 16}, {"O1", 16},  {"P20", 24},  {"Q1", 16}, {"R", 8},   {"S16", 24},
        {"T1", 16}, {"U1", 16}, {"V16", 24}, {"W1", 32},   {"X1", 16}, {"Z1", 16}, {"[", 0},
        {"\\", 0},  {"]", 0},   {"^1", 0},   {"_", 0},
    };
    for (const auto& c : cases) {
        Session s;
        std::string line = c.in;
        EXPECT_EQ(CheckCommandLine(line, s), 0) << c.in;
        EXPECT_EQ(s.ProgramBits, c.bits) << c.in;
    }
}

TEST(CommandErrorsTest, Messages) {
    const std::pair<std::uint16_t, std::string_view> cases[] = {
        {0, ""},
        {1, "Number Out Of Range"},
        {2, "Syntax Error"},
        {3, "Command unknown"},
        {4, "No Answer"},
        {5, "Number Out Of Range"},
        {6, "Entered Number is not integer multiply of user step !\r"},
        {7, ""},
        {65535, ""},
    };
    for (const auto& [code, message] : cases)
        EXPECT_EQ(CommandErrorMessage(code), message) << code;
}

} // namespace
} // namespace orvant
