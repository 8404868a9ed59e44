#pragma once
// Num. of profile: the characteristic of the current profile; always opens on the first.

#include "commands/command_dialog.h"

namespace orvant {

class TCharacteristicDlg : public CommandDialog {
public:
    explicit TCharacteristicDlg(QWidget* parent = nullptr)
        : CommandDialog("TCharacteristicDlg", "Number of Current Profile Character ", 10802,
                        parent) {
        AddText("Select Number of Characteristic");
        RadioGroup1 = AddGroup("RadioGroup1", "",
                               {"&1   Sinewave", "&2   Trapezoid wide", "&3   Trimming slight",
                                "&4   Trimming moderate", "&5   Triangle", "&6   Filling slight",
                                "&7   Filling moderate"});
    }
    // The chosen item, 0..6 for characteristics 1..7.
    int choices() const { return RadioGroup1->currentIndex(); }

    RadioGroup* RadioGroup1;
};

} // namespace orvant
