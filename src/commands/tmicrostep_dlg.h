#pragma once
// Microstep: microsteps per full step at the low speed range.

#include "commands/command_dialog.h"

namespace orvant {

class TMicrostepDlg : public CommandDialog {
public:
    explicit TMicrostepDlg(int preselected, QWidget* parent = nullptr)
        : CommandDialog("TMicrostepDlg", "Microstep Dialog", 10801, parent) {
        AddText("Select Number of Microsteps per Full Step");
        AddText("at Low Speed Range");
        RadioGroup1 =
            AddGroup("RadioGroup1", "Microsteps",
                     {"1   &Full Step", "&2   Microsteps", "&4   Microsteps", "&8   Microsteps",
                      "&16  Microsteps", "&32  Microsteps", "&64  Microsteps"},
                     2, preselected);
    }
    // The chosen item, 0..6 for 1..64 microsteps.
    int choices() const { return RadioGroup1->currentIndex(); }

    RadioGroup* RadioGroup1;
};

} // namespace orvant
