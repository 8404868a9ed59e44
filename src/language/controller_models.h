#pragma once
// The K2207 controller family: which answer byte names which model, how much program
// memory it has, and the limits that the command language derives from the model code.

#include <cstdint>
#include <optional>
#include <string_view>

namespace orvant {

struct ControllerModel {
    std::uint8_t code;           // ModelCode, 1..10 (0 = unknown)
    char answer;                 // byte the controller sends in reply to "U20"
    std::string_view name;       // "K2207A", ...
    std::string_view statusText; // text for status panel 0
    std::uint16_t memoryBits;    // program memory of the model
};

inline constexpr std::string_view kUnknownModelText = "  Type of MCU : unknown";
inline constexpr std::uint16_t kDefaultMemoryBits = 40000;

// The identified models, codes 1 to 10 in order.
const ControllerModel* ModelTable(std::size_t* count);

// The model whose identification answer is `answer`, if any.
std::optional<ControllerModel> ModelByAnswer(std::uint8_t answer);

// The model with `code` (1..10), if any.
std::optional<ControllerModel> ModelByCode(std::uint8_t code);

// Status panel 0 text for a model code ("  Type of MCU : unknown" for 0 and unknown codes).
std::string_view ModelStatusText(std::uint8_t code);

// Highest accepted velocity: 20000 for codes 1 to 4, 40000 otherwise.
std::int32_t HighestVelocity(std::uint8_t code);

// Highest label number: 15 for codes 1 and 5, 80 otherwise.
std::int32_t HighestLabel(std::uint8_t code);

// Minimum gap between two sends, in seconds: 0.5 for codes 3 and 7, 1.0 for 4, 8, 9, 10,
// 0.05 otherwise.
double SendGapSeconds(std::uint8_t code);

} // namespace orvant
