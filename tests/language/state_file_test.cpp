#include "language/state_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

namespace orvant {
namespace {

WindowRecord Doc(std::string name, int left, int top, int width, int height, int caret) {
    WindowRecord r;
    r.FileName = std::move(name);
    r.Left = left;
    r.Top = top;
    r.Width = width;
    r.Height = height;
    r.Caret = caret;
    return r;
}

StateFileContent TwoDocuments() {
    StateFileContent c;
    c.Width = 469;
    c.Height = 331;
    c.ChildCount = 3;
    c.Trace = Doc("", 309, 1, 155, 220, 0);
    c.Documents = {Doc("/tmp/a.TSF", 1, 1, 154, 220, 5), Doc("/tmp/b.TSF", 155, 1, 154, 220, 0)};
    return c;
}

TEST(StateFileTest, FirstRunWithTwoDocumentsIs921BytesLaidOutByOffset) {
    const auto bytes = EncodeStateFile(TwoDocuments());
    ASSERT_EQ(bytes.size(), 921u);
    // Default link block: model 0, fast 0, baud 3, reserved 0, COM1, reserved 1, AutoInit 1.
    const std::vector<std::uint8_t> link(bytes.begin(), bytes.begin() + 7);
    EXPECT_EQ(link, (std::vector<std::uint8_t>{0, 0, 3, 0, 0, 1, 1}));
    // Move record defaults: microsteps 10 at offset 7 + 64, digits 1 at 7 + 68.
    EXPECT_EQ(bytes[71], 10);
    EXPECT_EQ(bytes[75], 1);
    // Width 469 = 0x01D5, height 331 = 0x014B, N = 3, little-endian.
    EXPECT_EQ(bytes[87], 0xD5);
    EXPECT_EQ(bytes[88], 0x01);
    EXPECT_EQ(bytes[89], 0x4B);
    EXPECT_EQ(bytes[90], 0x01);
    EXPECT_EQ(bytes[91], 3);
    EXPECT_EQ(bytes[92], 0);
    // Trace record: empty name field, left 309 at 93 + 256.
    EXPECT_EQ(bytes[93], 0);
    EXPECT_EQ(bytes[93 + 256], 309 & 0xFF);
    EXPECT_EQ(bytes[93 + 257], 309 >> 8);
    // First document: length-prefixed name, zeros after it, caret 5 at 369 + 272.
    EXPECT_EQ(bytes[369], 10);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[370]), 10), "/tmp/a.TSF");
    EXPECT_EQ(bytes[380], 0);
    EXPECT_EQ(bytes[369 + 272], 5);
    EXPECT_EQ(bytes[645], 10);
}

TEST(StateFileTest, RoundTripKeepsEveryValueAndDoublesBitForBit) {
    StateFileContent c = TwoDocuments();
    c.Link = LinkSettings{9, 1, 2, 0, 3, 1, 0};
    c.Move.RelDistance[0] = 0.1;
    c.Move.RelDistance[3] = -1e300;
    c.Move.AbsPosition[1] = std::numeric_limits<double>::denorm_min();
    c.Move.AbsPosition[2] = -0.0;
    c.Move.StepsPerUnit = 8000000;
    c.Move.DecimalDigits = 3;
    c.Move.UploadedPosition = -123456;
    c.Move.UploadDone = 1;
    c.Move.UploadAnswered = 1;
    c.Documents[1].Left = -20;

    const StateFileRead r = DecodeStateFile(EncodeStateFile(c));
    EXPECT_TRUE(r.Problems.empty());
    ASSERT_TRUE(r.HasLink && r.HasMove && r.HasSize && r.HasCount && r.HasTrace);
    EXPECT_EQ(EncodeLinkBlock(r.Content.Link), EncodeLinkBlock(c.Link));
    EXPECT_EQ(EncodeMoveRecord(r.Content.Move), EncodeMoveRecord(c.Move));
    EXPECT_TRUE(std::signbit(r.Content.Move.AbsPosition[2]));
    EXPECT_EQ(r.Content.Width, 469);
    EXPECT_EQ(r.Content.Height, 331);
    EXPECT_EQ(r.Content.ChildCount, 3);
    EXPECT_EQ(r.Content.Trace.Left, 309);
    ASSERT_EQ(r.Content.Documents.size(), 2u);
    EXPECT_EQ(r.Content.Documents[0].FileName, "/tmp/a.TSF");
    EXPECT_EQ(r.Content.Documents[0].Caret, 5);
    EXPECT_EQ(r.Content.Documents[1].Left, -20);
    EXPECT_EQ(r.Content.Documents[1].Width, 154);
}

TEST(StateFileTest, LongNameIsCutTo255Characters) {
    StateFileContent c = TwoDocuments();
    c.Documents[0].FileName = std::string(300, 'x');
    const StateFileRead r = DecodeStateFile(EncodeStateFile(c));
    ASSERT_EQ(r.Content.Documents.size(), 2u);
    EXPECT_EQ(r.Content.Documents[0].FileName, std::string(255, 'x'));
}

TEST(StateFileTest, MotionCalculatorCountsInNWithoutARecord) {
    StateFileContent c = TwoDocuments();
    c.ChildCount = 4; // two documents, trace window, motion calculator
    const auto bytes = EncodeStateFile(c);
    EXPECT_EQ(bytes.size(), 921u);
    const StateFileRead r = DecodeStateFile(bytes);
    EXPECT_EQ(r.Content.Documents.size(), 2u);
    EXPECT_TRUE(r.Problems.empty());
}

// Damaged files: what is complete and plausible is used, the rest keeps its default.
struct DamageCase {
    const char* name;
    std::size_t keep; // bytes kept from the 921-byte image (0 = all)
    std::size_t offset;
    std::uint8_t value;
    bool link, move, count, trace;
    std::size_t documents;
};

TEST(StateFileTest, DamagedFilesKeepDefaultsForWhatCannotBeTrusted) {
    const DamageCase cases[] = {
        {"empty file", 1, 0, 0, false, false, false, false, 0},
        {"link block only", 7, 0, 0, true, false, false, false, 0},
        {"head cut before N", 90, 0, 0, true, true, false, false, 0},
        {"head complete, trace cut", 200, 0, 0, true, true, true, false, 0},
        {"second document cut", 800, 0, 0, true, true, true, true, 1},
        {"N larger than the records", 0, 91, 200, true, true, true, true, 2},
        {"N zero", 0, 91, 0, true, true, true, true, 0},
        {"empty name", 0, 369, 0, true, true, true, true, 1},
        {"name holds NUL", 0, 371, 0, true, true, true, true, 1},
    };
    for (const auto& dc : cases) {
        SCOPED_TRACE(dc.name);
        auto bytes = EncodeStateFile(TwoDocuments());
        if (dc.keep)
            bytes.resize(dc.keep == 1 ? 0 : dc.keep);
        else
            bytes[dc.offset] = dc.value;
        const StateFileRead r = DecodeStateFile(bytes);
        EXPECT_EQ(r.HasLink, dc.link);
        EXPECT_EQ(r.HasMove, dc.move);
        EXPECT_EQ(r.HasCount, dc.count);
        EXPECT_EQ(r.HasTrace, dc.trace);
        EXPECT_EQ(r.Content.Documents.size(), dc.documents);
    }
}

TEST(StateFileTest, OutOfRangeBytesFallBackToDefaults) {
    struct Case {
        std::size_t offset;
        std::uint8_t value;
    };
    const Case cases[] = {{0, 11}, {1, 2}, {2, 4}, {4, 4}, {4, 255}};
    for (const auto& bad : cases) {
        SCOPED_TRACE(bad.offset);
        auto bytes = EncodeStateFile(TwoDocuments());
        bytes[bad.offset] = bad.value;
        const StateFileRead r = DecodeStateFile(bytes);
        EXPECT_FALSE(r.Problems.empty());
        EXPECT_EQ(EncodeLinkBlock(r.Content.Link), EncodeLinkBlock(LinkSettings{}));
    }
    // A valid non-default byte next to a bad one is kept.
    auto bytes = EncodeStateFile(TwoDocuments());
    bytes[2] = 9; // baud index
    bytes[4] = 2; // channel COM3
    const StateFileRead r = DecodeStateFile(bytes);
    EXPECT_EQ(r.Content.Link.BaudIndex, 3);
    EXPECT_EQ(r.Content.Link.ChannelIndex, 2);
}

TEST(StateFileTest, MicrostepsPerUnitOutsideItsRangeIsDefaulted) {
    for (std::int32_t bad : {0, -5, 8000001}) {
        StateFileContent c = TwoDocuments();
        c.Move.StepsPerUnit = bad;
        c.Move.RelDistance[0] = 2.5;
        const StateFileRead r = DecodeStateFile(EncodeStateFile(c));
        EXPECT_EQ(r.Content.Move.StepsPerUnit, 10) << bad;
        EXPECT_EQ(r.Content.Move.RelDistance[0], 2.5);
    }
}

TEST(StateFileTest, PlausibleRectangle) {
    EXPECT_TRUE(PlausibleRectangle(Doc("a", 1, 1, 100, 100, 0)));
    EXPECT_TRUE(PlausibleRectangle(Doc("a", -20, -20, 100, 100, 0)));
    EXPECT_FALSE(PlausibleRectangle(Doc("a", 1, 1, 0, 100, 0)));
    EXPECT_FALSE(PlausibleRectangle(Doc("a", 1, 1, 100, -1, 0)));
    EXPECT_FALSE(PlausibleRectangle(Doc("a", 1, 1, 1 << 30, 100, 0)));
    EXPECT_FALSE(PlausibleRectangle(Doc("a", -(1 << 30), 1, 100, 100, 0)));
}

TEST(StateFileTest, AbsurdSizesAndRectanglesAreListedAsDamage) {
    struct Case {
        const char* name;
        std::uint16_t width, height;
        WindowRecord trace, document;
        std::vector<std::string> problems;
    };
    const WindowRecord goodTrace = Doc("", 309, 1, 155, 220, 0);
    const WindowRecord goodDoc = Doc("/tmp/a.TSF", 1, 1, 154, 220, 0);
    const Case cases[] = {
        {"sound", 469, 331, goodTrace, goodDoc, {}},
        {"from a larger screen",
         3000,
         2000,
         goodTrace,
         Doc("/tmp/a.TSF", 2000, 900, 900, 900, 0),
         {}},
        {"main window 65535 x 65535",
         65535,
         65535,
         goodTrace,
         goodDoc,
         {"main window size 65535x65535 is larger than any screen"}},
        {"trace never placed", 469, 331, Doc("", 0, 0, 0, 0, 0), goodDoc, {}},
        {"trace without width",
         469,
         331,
         Doc("", 5, 5, 0, 220, 0),
         goodDoc,
         {"the trace window's rectangle 5,5 0x220 is unusable"}},
        {"document 2^30 wide",
         469,
         331,
         goodTrace,
         Doc("/tmp/a.TSF", 1, 1, 1 << 30, 9, 0),
         {"a document's window rectangle 1,1 1073741824x9 is unusable"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StateFileContent content = TwoDocuments();
        content.Width = c.width;
        content.Height = c.height;
        content.ChildCount = 2;
        content.Trace = c.trace;
        content.Documents = {c.document};
        const StateFileRead r = DecodeStateFile(EncodeStateFile(content));
        EXPECT_EQ(r.Problems, c.problems);
        EXPECT_EQ(r.Content.Documents.size(), 1u) << "the document still reopens";
    }
}

TEST(StateFileTest, ClampToAreaKeepsTheWholeWindowInside) {
    struct Case {
        const char* name;
        WindowRecord in;
        WindowRecord out;
    };
    const Case cases[] = {
        {"inside stays", Doc("", 10, 20, 300, 200, 0), Doc("", 10, 20, 300, 200, 0)},
        {"touching the edges stays", Doc("", 0, 0, 800, 600, 0), Doc("", 0, 0, 800, 600, 0)},
        {"too large is cut", Doc("", 0, 0, 65535, 65535, 0), Doc("", 0, 0, 800, 600, 0)},
        {"beyond the right edge moves in", Doc("", 700, 550, 300, 200, 0),
         Doc("", 500, 400, 300, 200, 0)},
        {"far off moves in", Doc("", 30000, -30000, 100, 100, 0), Doc("", 700, 0, 100, 100, 0)},
        {"above and left moves in", Doc("", -50, -5, 100, 100, 0), Doc("", 0, 0, 100, 100, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const WindowRecord r = ClampToArea(c.in, 800, 600);
        EXPECT_EQ((std::vector<int>{r.Left, r.Top, r.Width, r.Height}),
                  (std::vector<int>{c.out.Left, c.out.Top, c.out.Width, c.out.Height}));
    }
    const WindowRecord unchanged = ClampToArea(Doc("", -5, -5, 50, 50, 0), 0, 0);
    EXPECT_EQ(unchanged.Left, -5) << "an area without extent leaves the rectangle alone";
}

} // namespace
} // namespace orvant
