#pragma once
// Register and flag readback: the items of the Upload Dialog, what each requests, and the
// texts of the value box and the flag box for the value the controller answered.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace orvant {

enum class UploadDisplay {
    Value, // the value box
    Flags, // the flag box
    None,  // "&Block": nothing is requested, only the default beep
};

struct UploadItem {
    std::string_view caption; // the radio item's caption
    int firstRegister;        // U<firstRegister> is read first; 0 for none
    int registerCount;        // 0, 1, or 3 for a three-byte value (least significant first)
    UploadDisplay display;
    std::string_view name;       // NameVariable of the value box
    std::string_view flagPrefix; // flag box: "User flag " or "Aux. fun. "
    int firstFlag;               // flag box: number of bit 0's flag
};

inline constexpr int kUploadItemCount = 22;
inline constexpr int kAbsolutePositionItem = 3;
inline constexpr int kModeItem = 16;
inline constexpr int kBlockItem = 21;
inline constexpr int kUploadHelpContext = 10408;

// The 22 items of the "&Upload" radio group, in order.
const std::array<UploadItem, kUploadItemCount>& UploadItems();

// The value box's texts for value v of one item.
struct ValueBoxTexts {
    std::string name;     // NameVariable
    std::string dec;      // OutputDec
    std::string hexLabel; // "Hex." ("Mode:" for the mode item)
    std::string hex;      // OutputHex (the mode text for the mode item)
    std::string bin;      // OutputBin
    std::string binLabel; // LabelBin: the bit numbers, or " Out of range" from 256 on
};

ValueBoxTexts ValueBoxContents(int item, std::uint32_t v);

// Full steps of an absolute position: v / 64, halves to the even neighbour.
std::int64_t FullSteps(std::uint32_t v);

// The eight lines of the flag box, bit 0 first: prefix, the flag number right-aligned in 4,
// " - ON" or " - OFF".
std::array<std::string, 8> FlagBoxLines(std::string_view prefix, int firstFlag, std::uint8_t b);

} // namespace orvant
