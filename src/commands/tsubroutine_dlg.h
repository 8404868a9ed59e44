#pragma once
// Subroutine: the label where the called subroutine begins.

#include "commands/command_dialog.h"

namespace orvant {

class TSubroutineDlg : public CommandDialog {
public:
    explicit TSubroutineDlg(QWidget* parent = nullptr)
        : CommandDialog("TSubroutineDlg", "   Subroutine Dialog", 10414, parent) {
        AddText("Calls subroutine beginning on the specified LABEL");
        QStringList items = NumberedItems("Address  no. &", 1, 9);
        for (int i = 10; i <= 15; ++i)
            items << QString("Address  no. %1 - &%2").arg(i).arg(QChar('A' + i - 10));
        RadioGroup1 = AddGroup("RadioGroup1", "&Number of Address (Label)", items, 2);
    }
    // The chosen item, 0..14 for labels 1..15.
    int choices() const { return RadioGroup1->currentIndex(); }

    RadioGroup* RadioGroup1;
};

} // namespace orvant
