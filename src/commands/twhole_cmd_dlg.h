#pragma once
// Whole C: a free command line, checked and sent as typed; the dialog stays open for the
// next line until the operator cancels.

#include "commands/command_dialog.h"

#include <QLineEdit>

#include <string>

namespace orvant {

class TWholeCmdDlg : public CommandDialog {
public:
    explicit TWholeCmdDlg(QWidget* parent = nullptr)
        : CommandDialog("TWholeCmdDlg", "  Whole command Dialog", 10418, parent),
          Edit1(new QLineEdit(this)) {
        AddText("Enter string to send");
        AddText("(Whole command)");
        Edit1->setObjectName("Edit1");
        Edit1->setMinimumWidth(260);
        AddControl(Edit1);
    }
    // The line as typed, in the single-byte character set of the lines.
    std::string EntryText() const { return Edit1->text().toLatin1().toStdString(); }

    QLineEdit* Edit1;
};

} // namespace orvant
