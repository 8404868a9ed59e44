#pragma once
// Wait for input, and the same dialog as Set Output: one of the user inputs (outputs) 1 to
// 21 and its level.

#include "commands/command_dialog.h"
#include "language/structure_lines.h"

namespace orvant {

class TWaitForInputDlg : public CommandDialog {
public:
    enum class Use { WaitForInput, SetOutput };

    explicit TWaitForInputDlg(Use use, QWidget* parent = nullptr)
        : CommandDialog("TWaitForInputDlg",
                        use == Use::WaitForInput ? "Wait For Input" : "Set Output",
                        use == Use::WaitForInput ? 10501 : 10502, parent) {
        QStringList items;
        for (int i = 1; i <= 21; ++i)
            items << QString("%1.").arg(i);
        RadioGroup1 = AddGroup("RadioGroup1",
                               use == Use::WaitForInput ? "User Input" : "User Output", items, 3);
        RadioGroup2 =
            AddGroup("RadioGroup2", use == Use::WaitForInput ? "Wait for Value" : " Set Value",
                     {"Low", "High"}, 1, 0, true);
    }
    InputLevelChoice choices() const {
        return {RadioGroup1->currentIndex(), RadioGroup2->currentIndex() == 1};
    }

    RadioGroup* RadioGroup1;
    RadioGroup* RadioGroup2;
};

} // namespace orvant
