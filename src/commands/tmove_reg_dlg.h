#pragma once
// Move To Register and Move From Register: the register that takes or gives the value.

#include "commands/command_dialog.h"
#include "language/structure_lines.h"

namespace orvant {

class TMoveRegDlg : public CommandDialog {
public:
    explicit TMoveRegDlg(RegisterMove direction, QWidget* parent = nullptr)
        : CommandDialog("TMoveRegDlg",
                        direction == RegisterMove::ToRegister ? "   Move to register Dialog"
                                                              : "  Move Fom Register Dialog",
                        direction == RegisterMove::ToRegister ? 10412 : 10413, parent) {
        QStringList items = NumberedItems("Register No. &", 1, 9);
        items << "Register No. 1&0";
        RadioGroup1 = AddGroup("RadioGroup1", "Number of register", items);
    }
    // The chosen item, 0..9 for registers 1..10.
    int choices() const { return RadioGroup1->currentIndex(); }

    RadioGroup* RadioGroup1;
};

} // namespace orvant
