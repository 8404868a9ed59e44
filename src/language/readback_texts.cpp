#include "language/readback_texts.h"

#include <cstdio>

namespace orvant {

namespace {

constexpr std::string_view kBitNumbers = " 7  6  5  4  3  2  1  0";
constexpr std::string_view kOutOfRange = " Out of range";

UploadItem Single(std::string_view caption, int reg, std::string_view name) {
    return {caption, reg, 1, UploadDisplay::Value, name, {}, 0};
}

UploadItem Flags(std::string_view caption, int reg, std::string_view prefix, int first) {
    return {caption, reg, 1, UploadDisplay::Flags, {}, prefix, first};
}

std::string RightAligned(std::int64_t value, int width) {
    char text[32];
    std::snprintf(text, sizeof text, "%*lld", width, static_cast<long long>(value));
    return text;
}

std::string ModeText(std::uint32_t v) {
    if (v & 0x08)
        return "1, steps & direction";
    if (v & 0x04)
        return "2, dual DAC interface";
    return "3, two DACs interface";
}

std::string HexText(std::uint32_t v) {
    if (v == 0)
        return " 00 00 00 00 H";
    std::string text = " ";
    for (int shift = 24; shift >= 0; shift -= 8) {
        char byte[8];
        std::snprintf(byte, sizeof byte, " %02X", (v >> shift) & 0xFF);
        text += byte;
    }
    return text + " H";
}

} // namespace

const std::array<UploadItem, kUploadItemCount>& UploadItems() {
    static const std::array<UploadItem, kUploadItemCount> items = {
        Single("Abs. position - LOW sig. Byte", 1, "Abs. position - LOW sig. Byte"),
        Single("Abs. position - MID sig. Byte", 2, "Abs. position - MID sig. Byte"),
        Single("Abs. position - MOST sig Byte", 3, "Abs. position - MOST sig Byte"),
        UploadItem{"Absolute &position", 1, 3, UploadDisplay::Value, "Absolute position", {}, 0},
        Single("Int. Variable-LOW Sig. Byte", 4, "Int. Variable-LOW Sig. Byte"),
        Single("Int. Variable-MID Sig. Byte", 5, "Int. Variable-MID Sig. Byte"),
        Single("Int. Variable-MOST Sig. Byte", 6, "Int. Variable-MOST Sig. Byte"),
        UploadItem{"Internal &Variable", 4, 3, UploadDisplay::Value, "Internal Variable", {}, 0},
        Single("Reserved (R7)", 7, "Reserved (R7)"),
        Single("Reserved (R8)", 8, "Reserved (R8)"),
        Single("Reserved (R9)", 9, "Reserved (R9)"),
        Single("Reserved (R10)", 10, "Reserved (R10)"),
        Single("Reserved (R11)", 11, "Reserved (R11)"),
        Single("Reserved (R12)", 12, "Reserved (R12)"),
        Single("Reserved (R13)", 13, "Reserved (R13)"),
        Flags("User flags status", 14, "User flag ", 80),
        Single("&Mode", 15, "Connect MODE with amplifier"),
        Single("MCU Serial number", 16, "MCU Serial number"),
        Flags("Aux. fun. 40-47 stat.", 17, "Aux. fun. ", 40),
        Flags("Aux. fun. 48-55 stat.", 18, "Aux. fun. ", 48),
        Flags("Aux. fun. 56-63 stat.", 19, "Aux. fun. ", 56),
        UploadItem{"&Block", 0, 0, UploadDisplay::None, {}, {}, 0},
    };
    return items;
}

std::int64_t FullSteps(std::uint32_t v) {
    const std::int64_t whole = v / 64;
    const std::uint32_t rest = v % 64;
    if (rest > 32 || (rest == 32 && whole % 2 == 1))
        return whole + 1;
    return whole;
}

ValueBoxTexts ValueBoxContents(int item, std::uint32_t v) {
    ValueBoxTexts texts;
    if (item >= 0 && item < kUploadItemCount)
        texts.name = UploadItems()[static_cast<std::size_t>(item)].name;
    texts.dec = RightAligned(v, 10);
    if (item == kAbsolutePositionItem)
        texts.dec += "        Ful step:" + RightAligned(FullSteps(v), 8);
    if (item == kModeItem) {
        texts.hexLabel = "Mode:";
        texts.hex = ModeText(v);
    } else {
        texts.hexLabel = "Hex.";
        texts.hex = HexText(v);
    }
    if (v < 256) {
        for (int bit = 7; bit >= 0; --bit)
            texts.bin += (v >> bit) & 1 ? " 1 " : " 0 ";
        texts.binLabel = kBitNumbers;
    } else {
        texts.binLabel = kOutOfRange;
    }
    return texts;
}

std::array<std::string, 8> FlagBoxLines(std::string_view prefix, int firstFlag, std::uint8_t b) {
    std::array<std::string, 8> lines;
    for (int k = 0; k < 8; ++k)
        lines[static_cast<std::size_t>(k)] = std::string(prefix) + RightAligned(firstFlag + k, 4) +
                                             ((b >> k) & 1 ? " - ON" : " - OFF");
    return lines;
}

} // namespace orvant
