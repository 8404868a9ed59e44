#pragma once
// The command lines that the program-structure choice dialogs build from the chosen radio
// items, and the label counter's rule. Item numbers count from 0 in the order the dialog
// lists them; numbers go into a line in decimal without leading zeros or blanks.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace orvant {

// Highest label counter value: item 14, label 15.
inline constexpr std::int32_t kLastLabelItem = 14;
inline constexpr std::int32_t kLabelCounterLimit = 15;

// "@" and the label number (item + 1).
std::string AddressLabelLine(int item);
// The label counter after the label of `item` has been sent: the next item, but never
// beyond 15, where a preselection shows the last item (label 15) again.
std::int32_t NextLabelCounter(int item);
// The item a label counter preselects: the counter, or the last item beyond it.
int LabelCounterItem(std::int32_t counter);

// "J" and the label number (item + 1).
std::string JumpLine(int item);
// The apostrophe and the label number (item + 1).
std::string SubroutineLine(int item);

enum class RegisterMove { ToRegister, FromRegister };
// ">" (to) or "<" (from) and the register number (item + 1).
std::string MoveRegisterLine(RegisterMove direction, int item);

// User flags 80..87 by their index 0..7.
struct UserFlagChoice {
    int flag = 0;    // 0..7 for flags 80..87
    bool on = false; // ON (1) or OFF (0)
};
// "T8" and the flag digit for ON, "C8" and the digit for OFF.
std::string UserFlagLine(const UserFlagChoice& choice);
// The eight lines for flags 80 to 87 in this order, from their states (0 OFF, else ON).
std::vector<std::string> UserFlagsAllLines(const std::array<std::uint8_t, 8>& states);

// The chosen input (or output) item and level of the Wait for input / Set Output dialog.
struct InputLevelChoice {
    int item = 0;      // 0..20 for inputs / outputs 1..21
    bool high = false; // the "High" item
};
// "O" + n when waiting for High, "Z" + n for Low.
std::string WaitForInputLine(const InputLevelChoice& choice);
// "T" + n when setting High, "C" + n for Low.
std::string SetOutputLine(const InputLevelChoice& choice);

} // namespace orvant
