#pragma once
// The link check table: the controller answers "^n" with SineCheckTable[n], a half sine
// wave of amplitude 127 over 128 steps (T[128 - i] = T[i]). Header only, so that the
// controller simulator can answer from the same table without linking the workbench.

#include <array>
#include <cstdint>

namespace orvant {

namespace detail {
inline constexpr std::array<std::uint8_t, 65> kSineFirstHalf{
    0,   3,   6,   9,   12,  15,  18,  21,  24,  28,  31,  34,  37,  40,  43,  46,  48,
    51,  54,  57,  60,  63,  65,  68,  71,  73,  76,  78,  81,  83,  85,  88,  90,  92,
    94,  96,  98,  100, 102, 104, 106, 108, 109, 111, 112, 114, 115, 116, 118, 119, 120,
    121, 122, 123, 124, 124, 125, 126, 126, 127, 127, 127, 127, 127, 127};

constexpr std::array<std::uint8_t, 128> BuildSineCheckTable() {
    std::array<std::uint8_t, 128> t{};
    for (int i = 0; i <= 64; ++i)
        t[i] = kSineFirstHalf[i];
    for (int i = 65; i < 128; ++i)
        t[i] = kSineFirstHalf[128 - i];
    return t;
}
} // namespace detail

inline constexpr std::array<std::uint8_t, 128> SineCheckTable = detail::BuildSineCheckTable();

} // namespace orvant
