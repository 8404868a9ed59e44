#include "commands/tif_cmd_dlg.h"

#include "link/operator.h"
#include "widgets/masked_edit.h"

#include <QLabel>

namespace orvant {

TIfCmdDlg::TIfCmdDlg(Operator& op, QWidget* parent)
    : TypedDialog("TIfCmdDlg", "    IF Command", 10404, parent), op_(op) {
    AddText("Transfers Program Control if specified INPUT is EQUAL");
    AddText("to specified VALUE to the specified LABEL");
    AddEntryField("Enter Command", ">AAAAA;1;,", "     ");
    AddText("Range: ");
    AddText("(01..87) (L or H) (01..15) - K2207A");
    AddText("(01..87) (L or H) (01..80) - K2207B, K2207E");
    HintLabel = AddText(kIncompleteHint);
    HintLabel->setObjectName("HintLabel");
    HintLabel->setStyleSheet("color: #b00000;");
    HintLabel->hide();
    connect(MaskEdit1, &MaskedEdit::textChanged, HintLabel, &QLabel::hide);
}

void TIfCmdDlg::accept() {
    // An incomplete condition cannot be a command: the field keeps the dialog open.
    if (!MaskEdit1->isComplete()) {
        op_.playSound(Sound::Default);
        HintLabel->show();
        MaskEdit1->setFocus(Qt::OtherFocusReason);
        return;
    }
    HintLabel->hide();
    TypedDialog::accept();
}

} // namespace orvant
