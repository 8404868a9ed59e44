#pragma once
// The state file "orv_win.ini": a fixed-layout little-endian binary file that carries the
// link settings, the Real Move record, the main window size, the trace window's placement
// and the open editor documents from one run to the next.
//
// Layout: 7-byte link block, 80-byte move record, width, height and child count N (16 bits
// each), the trace window's 276-byte record, then one 276-byte record per document.

#include "language/session.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace orvant {

inline constexpr std::size_t kLinkBlockSize = 7;
inline constexpr std::size_t kMoveRecordSize = 80;
inline constexpr std::size_t kStateHeadSize = 93; // link + move + width, height, N
inline constexpr std::size_t kWindowRecordSize = 276;
inline constexpr std::size_t kWindowNameField = 256;
inline constexpr char kStateFileName[] = "orv_win.ini";

// One child window's placement: name (documents only), rectangle relative to the
// workspace and the caret offset of its editor.
struct WindowRecord {
    std::string FileName; // single-byte text, at most 255 characters are stored
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    std::int32_t Caret = 0;
};

struct StateFileContent {
    LinkSettings Link;
    MoveExchangeRecord Move;
    std::uint16_t Width = 0;
    std::uint16_t Height = 0;
    std::uint16_t ChildCount = 0; // N: documents + trace window + motion calculator if open
    WindowRecord Trace;
    std::vector<WindowRecord> Documents;
};

// Byte images of the fixed blocks, bit for bit.
std::vector<std::uint8_t> EncodeLinkBlock(const LinkSettings& link);
LinkSettings DecodeLinkBlock(const std::uint8_t* bytes);
std::vector<std::uint8_t> EncodeMoveRecord(const MoveExchangeRecord& move);
MoveExchangeRecord DecodeMoveRecord(const std::uint8_t* bytes);
std::vector<std::uint8_t> EncodeWindowRecord(const WindowRecord& record);
WindowRecord DecodeWindowRecord(const std::uint8_t* bytes);

// The whole file. Names longer than 255 characters are cut; unused name bytes are zeros.
std::vector<std::uint8_t> EncodeStateFile(const StateFileContent& content);

// What a read of the file could trust. A damaged or short file yields the parts that are
// complete and plausible; everything else keeps its default and is listed in `Problems`.
struct StateFileRead {
    bool HasLink = false;  // the link block is complete (invalid bytes replaced by defaults)
    bool HasMove = false;  // the move record is complete (implausible fields defaulted)
    bool HasSize = false;  // width and height are present and non-zero
    bool HasCount = false; // the whole 93-byte head is present
    bool HasTrace = false; // the trace window's record is complete
    StateFileContent Content;
    std::vector<std::string> Problems;
};

// Decodes a file image. Never fails: reads stop where the data ends, document records
// with an unusable name (empty, or holding a NUL byte) are skipped, rectangles that no
// window could have are marked by a zero width, and indices outside 0..3 or a model code
// above 10 fall back to the defaults.
StateFileRead DecodeStateFile(const std::vector<std::uint8_t>& bytes);

// True when a stored rectangle is usable for a window (positive, not absurd size).
bool PlausibleRectangle(const WindowRecord& record);

// The largest window extent any screen could hold; a stored size above it is damage.
inline constexpr std::int32_t kMaxWindowExtent = 32767;

// A stored rectangle moved and cut so that the whole window lies inside an area of the
// given size (the workspace for a child window): the size is cut to the area, then the
// position moved so that no edge lies outside. Areas without extent leave it unchanged.
WindowRecord ClampToArea(const WindowRecord& record, int areaWidth, int areaHeight);

} // namespace orvant
