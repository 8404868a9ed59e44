#pragma once
// User Flags All: the value of each of the user flags 80 to 87, preselected from their
// states.

#include "commands/command_dialog.h"

#include <array>
#include <cstdint>

namespace orvant {

class TUserAllFlegDlg : public CommandDialog {
public:
    explicit TUserAllFlegDlg(const std::array<std::uint8_t, 8>& states, QWidget* parent = nullptr)
        : CommandDialog("TUserAllFlegDlg", "   User flag dialog - for all flags", 10405, parent) {
        AddText("SET or RESET ALL user flag");
        for (int k = 0; k < 8; ++k) {
            RadioGroup* group =
                AddGroup(QString("RadioGroup%1").arg(k + 1), QString("User flag 8&%1").arg(k),
                         {"OFF", "ON"}, 1, states[static_cast<std::size_t>(k)] ? 1 : 0, k % 4 != 0);
            group->setToolTip(QString("Set or Reset User flag 8%1").arg(k));
            Groups[static_cast<std::size_t>(k)] = group;
        }
    }
    // The chosen value of flags 80..87: 0 OFF, 1 ON.
    std::array<std::uint8_t, 8> choices() const {
        std::array<std::uint8_t, 8> states{};
        for (std::size_t k = 0; k < states.size(); ++k)
            states[k] = Groups[k]->currentIndex() == 1 ? 1 : 0;
        return states;
    }

    std::array<RadioGroup*, 8> Groups{};
};

} // namespace orvant
