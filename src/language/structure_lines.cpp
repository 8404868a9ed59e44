#include "language/structure_lines.h"

namespace orvant {

namespace {

std::string Numbered(const char* prefix, int number) {
    return prefix + std::to_string(number);
}

} // namespace

std::string AddressLabelLine(int item) {
    return Numbered("@", item + 1);
}

std::int32_t NextLabelCounter(int item) {
    return item < kLabelCounterLimit ? item + 1 : kLabelCounterLimit;
}

int LabelCounterItem(std::int32_t counter) {
    if (counter < 0)
        return 0;
    return counter > kLastLabelItem ? kLastLabelItem : counter;
}

std::string JumpLine(int item) {
    return Numbered("J", item + 1);
}

std::string SubroutineLine(int item) {
    return Numbered("'", item + 1);
}

std::string MoveRegisterLine(RegisterMove direction, int item) {
    return Numbered(direction == RegisterMove::ToRegister ? ">" : "<", item + 1);
}

std::string UserFlagLine(const UserFlagChoice& choice) {
    return Numbered(choice.on ? "T8" : "C8", choice.flag);
}

std::vector<std::string> UserFlagsAllLines(const std::array<std::uint8_t, 8>& states) {
    std::vector<std::string> lines;
    for (int k = 0; k < 8; ++k)
        lines.push_back(UserFlagLine({k, states[static_cast<std::size_t>(k)] != 0}));
    return lines;
}

std::string WaitForInputLine(const InputLevelChoice& choice) {
    return Numbered(choice.high ? "O" : "Z", choice.item + 1);
}

std::string SetOutputLine(const InputLevelChoice& choice) {
    return Numbered(choice.high ? "T" : "C", choice.item + 1);
}

} // namespace orvant
