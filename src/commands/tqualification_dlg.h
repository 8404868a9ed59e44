#pragma once
// Qualification: microsteps per full step at the high speed range.

#include "commands/command_dialog.h"

namespace orvant {

class TQualificationDlg : public CommandDialog {
public:
    explicit TQualificationDlg(int preselected, QWidget* parent = nullptr)
        : CommandDialog("TQualificationDlg", "Qualification Dialog", 10803, parent) {
        AddText("Select Number of Microsteps per Full Step");
        AddText("at High Speed Range");
        RadioGroup1 = AddGroup("RadioGroup1", " Qualification ",
                               {"&1     Microsteps", "&2     Microsteps", "&4     Microsteps"}, 1,
                               preselected);
    }
    // The chosen item, 0..2 for qualification 1, 2, 4.
    int choices() const { return RadioGroup1->currentIndex(); }

    RadioGroup* RadioGroup1;
};

} // namespace orvant
