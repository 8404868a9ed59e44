#pragma once
// Jump: the label that program control goes to.

#include "commands/command_dialog.h"

namespace orvant {

class TJumpCmdDlg : public CommandDialog {
public:
    explicit TJumpCmdDlg(QWidget* parent = nullptr)
        : CommandDialog("TJumpCmdDlg", "   Jump Dialog", 10407, parent) {
        AddText("Transfer program control to the specified Label");
        QStringList items = NumberedItems("Address no. &", 1, 9);
        for (char c = 'A'; c <= 'F'; ++c)
            items << QString("Address no. &") + QChar(c);
        RadioGroup1 = AddGroup("RadioGroup1", "Number of address (Label)", items, 2);
    }
    // The chosen item, 0..14 for labels 1..15.
    int choices() const { return RadioGroup1->currentIndex(); }

    RadioGroup* RadioGroup1;
};

} // namespace orvant
