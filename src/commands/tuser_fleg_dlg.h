#pragma once
// User Flags: one of the user flags 80 to 87 and its new value. Always opens on flag 80 and
// OFF.

#include "commands/command_dialog.h"
#include "language/structure_lines.h"

namespace orvant {

class TUserFlegDlg : public CommandDialog {
public:
    explicit TUserFlegDlg(QWidget* parent = nullptr)
        : CommandDialog("TUserFlegDlg", "User Flag Dialog", 10406, parent) {
        RadioGroup1 = AddGroup("RadioGroup1", "Set &NUMBER user flag",
                               NumberedItems("User Flag 8&", 0, 7), 2);
        RadioGroup2 = AddGroup("RadioGroup2", "Set &VALUE user flag", {"OFF", "ON"}, 1, 0, true);
    }
    UserFlagChoice choices() const {
        return {RadioGroup1->currentIndex(), RadioGroup2->currentIndex() == 1};
    }

    RadioGroup* RadioGroup1;
    RadioGroup* RadioGroup2;
};

} // namespace orvant
