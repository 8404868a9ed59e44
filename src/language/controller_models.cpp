#include "controller_models.h"

#include <array>

namespace orvant {

namespace {
constexpr std::array<ControllerModel, 10> kModels{{
    {1, 'A', "K2207A", "  Type of MCU : K2207A, 864 bits", 864},
    {2, 'B', "K2207B", "  Type of MCU : K2207B, 2032 bits", 2032},
    {3, 'E', "K2207E1", "  Type of MCU : K2207E1, 2000 bits", 2000},
    {4, 'F', "K2207E2", "  Type of MCU : K2207E2, 4000 bits", 4000},
    {5, 'a', "K2207A-2x", "  Type of MCU : K2207A-2x, 864 bits", 864},
    {6, 'b', "K2207B-2x", "  Type of MCU : K2207B-2x, 2032 bits", 2032},
    {7, 'e', "K2207E1-2x", "  Type of MCU : K2207E1-2x, 2000 bits", 2000},
    {8, 'f', "K2207E2-2x", "  Type of MCU : K2207E2-2x, 4000 bits", 4000},
    // The controller's own documentation prints this one without the comma.
    {9, 'H', "K2207E4", "  Type of MCU : K2207E4 8000 bits", 8000},
    {10, 'h', "K2207E4-2x", "  Type of MCU : K2207E4-2x, 8000 bits", 8000},
}};
} // namespace

const ControllerModel* ModelTable(std::size_t* count) {
    if (count)
        *count = kModels.size();
    return kModels.data();
}

std::optional<ControllerModel> ModelByAnswer(std::uint8_t answer) {
    for (const auto& m : kModels)
        if (static_cast<std::uint8_t>(m.answer) == answer)
            return m;
    return std::nullopt;
}

std::optional<ControllerModel> ModelByCode(std::uint8_t code) {
    if (code >= 1 && code <= kModels.size())
        return kModels[code - 1];
    return std::nullopt;
}

std::string_view ModelStatusText(std::uint8_t code) {
    auto m = ModelByCode(code);
    return m ? m->statusText : kUnknownModelText;
}

std::int32_t HighestVelocity(std::uint8_t code) {
    return (code >= 1 && code <= 4) ? 20000 : 40000;
}

std::int32_t HighestLabel(std::uint8_t code) {
    return (code == 1 || code == 5) ? 15 : 80;
}

double SendGapSeconds(std::uint8_t code) {
    switch (code) {
    case 3:
    case 7:
        return 0.5;
    case 4:
    case 8:
    case 9:
    case 10:
        return 1.0;
    default:
        return 0.05;
    }
}

} // namespace orvant
