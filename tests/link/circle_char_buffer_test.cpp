#include "link/circle_char_buffer.h"

#include <gtest/gtest.h>

#include <vector>

namespace orvant {
namespace {

std::vector<int> Drain(TCircleCharBuffer& b) {
    std::vector<int> out;
    while (!b.IsEmpty())
        out.push_back(b.GetByte());
    return out;
}

TEST(CircleCharBuffer, EmptyRingGivesZeroAndStaysEmpty) {
    TCircleCharBuffer b;
    EXPECT_TRUE(b.IsEmpty());
    EXPECT_EQ(b.GetByte(), 0);
    EXPECT_TRUE(b.IsEmpty());
}

TEST(CircleCharBuffer, BytesComeOutInOrderAndClearEmpties) {
    TCircleCharBuffer b;
    const char block[] = {'\x41', '\x00', '\xff', '\x0d'};
    b.PutBlock(block, 4);
    b.PutByte(7);
    EXPECT_EQ(Drain(b), (std::vector<int>{0x41, 0x00, 0xff, 0x0d, 7}));
    b.PutByte(1);
    b.Clear();
    EXPECT_TRUE(b.IsEmpty());
    EXPECT_EQ(b.GetByte(), 0);
}

// The ring has 8-bit indices and no full check: what a caller sees after n puts without a
// take.
TEST(CircleCharBuffer, WrapsAfter256Bytes) {
    struct Case {
        int puts;
        std::vector<int> expected;
    };
    const Case cases[] = {
        {255, {}},  // filled below: 0..254
        {256, {}},  // looks empty again
        {257, {0}}, // only the newest byte (256 & 0xff) is readable
        {258, {0, 1}},
    };
    for (const auto& c : cases) {
        TCircleCharBuffer b;
        for (int i = 0; i < c.puts; ++i)
            b.PutByte(static_cast<std::uint8_t>(i));
        std::vector<int> expected = c.expected;
        if (c.puts == 255)
            for (int i = 0; i < 255; ++i)
                expected.push_back(i);
        EXPECT_EQ(Drain(b), expected) << c.puts << " puts";
    }
}

TEST(CircleCharBuffer, KeepsWorkingAcrossTheIndexWrap) {
    TCircleCharBuffer b;
    for (int round = 0; round < 600; ++round) {
        b.PutByte(static_cast<std::uint8_t>(round));
        b.PutByte(static_cast<std::uint8_t>(round + 1));
        ASSERT_EQ(b.GetByte(), static_cast<std::uint8_t>(round));
        ASSERT_EQ(b.GetByte(), static_cast<std::uint8_t>(round + 1));
        ASSERT_TRUE(b.IsEmpty());
    }
}

} // namespace
} // namespace orvant
