#pragma once
// Auxiliary functions: one of the functions 40 to 55 and its state.

#include "commands/command_dialog.h"
#include "language/sequencer_lines.h"

namespace orvant {

class TAuxFunctionDlg : public CommandDialog {
public:
    explicit TAuxFunctionDlg(QWidget* parent = nullptr)
        : CommandDialog("TAuxFunctionDlg", "Auxiliary Function Dialog", 10706, parent) {
        RadioGroup1 =
            AddGroup("RadioGroup1", "Select Auxiliary Function",
                     {"&Runsign", "Re&turn", "&Limit OFF", "&Edge", "&Continue", "&Outputs",
                      "Input&+", "Reserved", "&Beggining", "&Fastinput", "Fu&lstep", "Reco&ver",
                      "Reserved", "Reserved", "Reserved", "Reserved"},
                     2);
        RadioGroup2 = AddGroup("RadioGroup2", "Set state function", {"Off", "On"}, 2);
    }
    AuxFunctionChoice choices() const {
        return {RadioGroup1->currentIndex(), RadioGroup2->currentIndex() == 1};
    }

    RadioGroup* RadioGroup1;
    RadioGroup* RadioGroup2;
};

} // namespace orvant
