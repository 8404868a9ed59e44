#pragma once
// Index: the controller address that the following commands go to; opens on all addresses.

#include "commands/command_dialog.h"
#include "language/sequencer_lines.h"

namespace orvant {

class TIndexDlg : public CommandDialog {
public:
    explicit TIndexDlg(QWidget* parent = nullptr)
        : CommandDialog("TIndexDlg", "Index Dialog", 10703, parent) {
        QStringList items = NumberedItems("adress &", 0, 9);
        for (char c = 'A'; c <= 'G'; ++c)
            items << QString("adress &") + QChar(c);
        RadioGroup1 = AddGroup("RadioGroup1", "Set index MCU", items, 2, kIndexAllItem);
    }
    // The chosen item, 0..15 for addresses 0..15, 16 for all.
    int choices() const { return RadioGroup1->currentIndex(); }

    RadioGroup* RadioGroup1;
};

} // namespace orvant
