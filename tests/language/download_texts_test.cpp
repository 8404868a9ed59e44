#include "language/download_texts.h"

#include <gtest/gtest.h>

namespace orvant {
namespace {

TEST(DownloadTexts, RefusedLineBox) {
    EXPECT_EQ(RefusedLineText(7, "  v99999 ; fast", 1),
              "Line     7\r  v99999 ; fast\r\rNumber Out Of Range");
    EXPECT_EQ(RefusedLineText(12345, "Z", 3), "Line 12345\rZ\r\rCommand unknown");
}

TEST(DownloadTexts, ProgressLine) {
    EXPECT_EQ(DownloadProgressText(3, 20, 1.2, 8.5),
              "Line 3 of 20   elapsed 0:02   remaining 0:09");
    EXPECT_EQ(DurationText(0), "0:00");
    EXPECT_EQ(DurationText(65), "1:05");
    EXPECT_EQ(DurationText(599.5), "10:00");
}

} // namespace
} // namespace orvant
