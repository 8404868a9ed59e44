#include "language/readback_texts.h"

#include <gtest/gtest.h>

#include <string>

namespace orvant {
namespace {

TEST(ReadbackTexts, ValueBoxContents) {
    struct Case {
        const char* name;
        int item;
        std::uint32_t v;
        ValueBoxTexts expected;
    };
    const std::string zeros = " 0  0  0  0  0  0  0  0 ";
    const std::string bits = " 7  6  5  4  3  2  1  0";
    const Case cases[] = {
        {"zero answer to U2",
         1,
         0,
         {"Abs. position - MID sig. Byte", "         0", "Hex.", " 00 00 00 00 H", zeros, bits}},
        {"absolute position 8000",
         3,
         8000,
         {"Absolute position", "      8000        Ful step:     125", "Hex.", "  00 00 1F 40 H", "",
          " Out of range"}},
        {"1.5 full steps round to 2",
         3,
         96,
         {"Absolute position", "        96        Ful step:       2", "Hex.", "  00 00 00 60 H",
          " 0  1  1  0  0  0  0  0 ", bits}},
        {"2.5 full steps round to 2",
         3,
         160,
         {"Absolute position", "       160        Ful step:       2", "Hex.", "  00 00 00 A0 H",
          " 1  0  1  0  0  0  0  0 ", bits}},
        {"291 in hexadecimal",
         7,
         291,
         {"Internal Variable", "       291", "Hex.", "  00 00 01 23 H", "", " Out of range"}},
        {"5 in binary",
         17,
         5,
         {"MCU Serial number", "         5", "Hex.", "  00 00 00 05 H", " 0  0  0  0  0  1  0  1 ",
          bits}},
        {"largest three-byte value",
         7,
         16777215,
         {"Internal Variable", "  16777215", "Hex.", "  00 FF FF FF H", "", " Out of range"}},
        {"mode bit 3",
         16,
         0x08,
         {"Connect MODE with amplifier", "         8", "Mode:", "1, steps & direction",
          " 0  0  0  0  1  0  0  0 ", bits}},
        {"mode bit 2",
         16,
         0x04,
         {"Connect MODE with amplifier", "         4", "Mode:", "2, dual DAC interface",
          " 0  0  0  0  0  1  0  0 ", bits}},
        {"mode bits clear",
         16,
         0x00,
         {"Connect MODE with amplifier", "         0", "Mode:", "3, two DACs interface", zeros,
          bits}},
        {"mode bit 3 wins over bit 2",
         16,
         0x0C,
         {"Connect MODE with amplifier", "        12", "Mode:", "1, steps & direction",
          " 0  0  0  0  1  1  0  0 ", bits}},
        {"255 still in binary",
         8,
         255,
         {"Reserved (R7)", "       255", "Hex.", "  00 00 00 FF H", " 1  1  1  1  1  1  1  1 ",
          bits}},
        {"256 out of range",
         3,
         256,
         {"Absolute position", "       256        Ful step:       4", "Hex.", "  00 00 01 00 H", "",
          " Out of range"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ValueBoxTexts t = ValueBoxContents(c.item, c.v);
        EXPECT_EQ(t.name, c.expected.name);
        EXPECT_EQ(t.dec, c.expected.dec);
        EXPECT_EQ(t.hexLabel, c.expected.hexLabel);
        EXPECT_EQ(t.hex, c.expected.hex);
        EXPECT_EQ(t.bin, c.expected.bin);
        EXPECT_EQ(t.binLabel, c.expected.binLabel);
    }
}

TEST(ReadbackTexts, FullStepsRoundHalvesToEven) {
    struct Case {
        std::uint32_t v;
        std::int64_t steps;
    };
    for (const Case c : {Case{0, 0}, Case{31, 0}, Case{32, 0}, Case{33, 1}, Case{96, 2},
                         Case{160, 2}, Case{224, 4}, Case{16777215, 262144}}) {
        SCOPED_TRACE(c.v);
        EXPECT_EQ(FullSteps(c.v), c.steps);
    }
}

TEST(ReadbackTexts, FlagBoxLines) {
    const auto user = FlagBoxLines("User flag ", 80, 0x01);
    EXPECT_EQ(user[0], "User flag   80 - ON");
    for (int k = 1; k < 8; ++k)
        EXPECT_EQ(user[static_cast<std::size_t>(k)],
                  "User flag   8" + std::to_string(k) + " - OFF");
    const auto aux = FlagBoxLines("Aux. fun. ", 56, 0x80);
    EXPECT_EQ(aux[0], "Aux. fun.   56 - OFF");
    EXPECT_EQ(aux[7], "Aux. fun.   63 - ON");
}

TEST(ReadbackTexts, ItemTable) {
    const auto& items = UploadItems();
    EXPECT_EQ(items[3].registerCount, 3);
    EXPECT_EQ(items[3].firstRegister, 1);
    EXPECT_EQ(items[7].firstRegister, 4);
    EXPECT_EQ(items[14].caption, "Reserved (R13)");
    EXPECT_EQ(items[14].firstRegister, 13);
    EXPECT_EQ(items[15].display, UploadDisplay::Flags);
    EXPECT_EQ(items[18].firstFlag, 40);
    EXPECT_EQ(items[20].firstRegister, 19);
    EXPECT_EQ(items[kBlockItem].display, UploadDisplay::None);
}

} // namespace
} // namespace orvant
