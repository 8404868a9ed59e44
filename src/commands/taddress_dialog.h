#pragma once
// Address (Label): the label number that marks the current program line.

#include "commands/command_dialog.h"

namespace orvant {

class TAddressDialog : public CommandDialog {
public:
    explicit TAddressDialog(int preselected, QWidget* parent = nullptr)
        : CommandDialog("TAddressDialog", "Set Addres Controler", 10401, parent) {
        QStringList items = NumberedItems("Address no. &", 1, 9);
        for (int i = 10; i <= 15; ++i)
            items << QString("Address no. %1 &%2").arg(i).arg(QChar('A' + i - 10));
        RadioGroup1 = AddGroup("RadioGroup1", "Specifies Label Num. On Current Program Line", items,
                               2, preselected);
    }
    // The chosen item, 0..14 for labels 1..15.
    int choices() const { return RadioGroup1->currentIndex(); }

    RadioGroup* RadioGroup1;
};

} // namespace orvant
