#include "link/serial_rates.h"
#include "link/sine_check_table.h"

#include <gtest/gtest.h>

namespace orvant {
namespace {

TEST(SerialRates, RateByBaudIndexAndFastIndexer) {
    struct Case {
        int baudIndex;
        bool fast;
        TComPortBaudRate speed;
        const char* text;
    };
    const Case cases[] = {
        {0, false, br300, "300 Bd"},
        {1, false, br1200, "1200 Bd"},
        {2, false, br2400, "2400 Bd"},
        {3, false, br4800, "4800 Bd"},
        {0, true, br600, "600 Bd"},
        {1, true, br2400, "2400 Bd"},
        {2, true, br4800, "4800 Bd"},
        {3, true, br9600, "9600 Bd"},
        // Indices from a damaged state file fall back to the default index 3.
        {4, false, br4800, "4800 Bd"},
        {255, true, br9600, "9600 Bd"},
        {-1, false, br4800, "4800 Bd"},
    };
    for (const auto& c : cases) {
        const SerialRate r = RateForIndex(c.baudIndex, c.fast);
        EXPECT_EQ(r.speed, c.speed) << c.baudIndex << (c.fast ? " fast" : "");
        EXPECT_EQ(r.text, c.text) << c.baudIndex << (c.fast ? " fast" : "");
    }
}

TEST(SerialRates, ChannelTextsAndBaudItems) {
    EXPECT_EQ(ChannelText(0), "COM1");
    EXPECT_EQ(ChannelText(3), "COM4");
    EXPECT_EQ(ChannelText(9), "COM1");
    EXPECT_EQ(BaudItems(false), QStringList({"300", "1200", "2400", "4800"}));
    EXPECT_EQ(BaudItems(true), QStringList({"600", "2400", "4800", "9600"}));
}

TEST(SineCheckTable, ExpectedAnswers) {
    struct Case {
        int n;
        int expected;
    };
    const Case cases[] = {{0, 0},    {1, 3},    {9, 28},   {37, 100}, {59, 127},
                          {64, 127}, {69, 127}, {100, 81}, {127, 3}};
    for (const auto& c : cases)
        EXPECT_EQ(SineCheckTable[static_cast<std::size_t>(c.n)], c.expected) << "n=" << c.n;
    for (int i = 1; i <= 127; ++i)
        EXPECT_EQ(SineCheckTable[static_cast<std::size_t>(128 - i)],
                  SineCheckTable[static_cast<std::size_t>(i)])
            << i;
}

} // namespace
} // namespace orvant
