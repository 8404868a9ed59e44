#pragma once
// Wait: how long the controller waits, in milliseconds.

#include "commands/typed_dialog.h"

namespace orvant {

class TWaitDlg : public TypedDialog {
public:
    explicit TWaitDlg(QWidget* parent = nullptr)
        : TypedDialog("TWaitDlg", "   Wait Dialog", 10409, parent) {
        AddText("Command WAIT in ms");
        AddEntryField("Enter number (Range: 1 .. 16 000 000 ms)", "99999999;1;.", "        ");
        setToolTip("Wait MCU ");
    }
};

} // namespace orvant
