#pragma once
// Loop: how many times the following instructions repeat.

#include "commands/typed_dialog.h"

namespace orvant {

class TLoopDlg : public TypedDialog {
public:
    explicit TLoopDlg(QWidget* parent = nullptr)
        : TypedDialog("TLoopDlg", "Loop command dialog", 10402, parent) {
        AddText("Loop Subsequent");
        AddText("Instructions Number Times");
        AddEntryField("Enter &number (Range 1 to 255)", "999;1;.", "   ");
    }
};

} // namespace orvant
