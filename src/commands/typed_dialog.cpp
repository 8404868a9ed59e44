#include "commands/typed_dialog.h"

#include "commands/command_context.h"
#include "commands/typed_line.h"
#include "link/operator.h"
#include "widgets/masked_edit.h"

#include <QLabel>

namespace orvant {

TypedDialog::TypedDialog(const QString& objectName, const QString& title, int helpContext,
                         QWidget* parent)
    : CommandDialog(objectName, title, helpContext, parent), MaskEdit1(new MaskedEdit(this)) {
    MaskEdit1->setObjectName("MaskEdit1");
}

std::string TypedDialog::EntryText() const {
    return MaskEdit1->text().toLatin1().toStdString();
}

void TypedDialog::AddEntryField(const QString& caption, const QString& mask,
                                const QString& initial) {
    QLabel* label = AddText(caption);
    label->setBuddy(MaskEdit1);
    MaskEdit1->setEditMask(mask);
    MaskEdit1->setText(initial);
    MaskEdit1->setMinimumWidth(140);
    AddControl(MaskEdit1);
    SetFirstControl(MaskEdit1);
}

bool RunTypedDialog(CommandContext& context, TypedDialog& dialog, char prefix) {
    for (;;) {
        if (!context.op.runDialog(dialog))
            return false;
        if (SendTypedLine(context, prefix + dialog.EntryText()).sent())
            return true;
    }
}

} // namespace orvant
