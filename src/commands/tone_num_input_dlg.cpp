#include "commands/tone_num_input_dlg.h"

#include "commands/command_context.h"
#include "commands/typed_line.h"
#include "language/number_commands.h"
#include "link/operator.h"
#include "widgets/dialog_buttons.h"
#include "widgets/dialog_placement.h"
#include "widgets/masked_edit.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace orvant {

namespace {

QString Latin1(const std::string& s) {
    return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace

TOneNumInputDlg::TOneNumInputDlg(QWidget* parent) : QDialog(parent) {
    setObjectName("TOneNumInputDlg");
    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    Label2 = new QLabel("Enter number:", this);
    Label2->setObjectName("Label2");
    Label3 = new QLabel("Range:", this);
    Label3->setObjectName("Label3");
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label4 = new QLabel(this);
    Label4->setObjectName("Label4");
    MaskEdit1 = new MaskedEdit(this);
    MaskEdit1->setObjectName("MaskEdit1");
    MaskEdit1->setMinimumWidth(120);
    Label2->setBuddy(MaskEdit1);

    auto* grid = new QGridLayout;
    grid->addWidget(Label2, 0, 0);
    grid->addWidget(MaskEdit1, 0, 1);
    grid->addWidget(Label3, 1, 0);
    grid->addWidget(Label4, 1, 1);

    QHBoxLayout* buttons = OkCancelRow(*this, OKBtn, CancelBtn);

    auto* main = new QVBoxLayout(this);
    main->addWidget(Label1);
    main->addLayout(grid);
    main->addLayout(buttons);
    FixBorder(*this);
}

void TOneNumInputDlg::SetRangeText(const QString& text) {
    QString lines = text;
    lines.replace('\r', '\n');
    Label4->setText(lines);
}

QString TOneNumInputDlg::EntryText() const {
    return MaskEdit1->text();
}

void TOneNumInputDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOnScreen(*this);
    MaskEdit1->setFocus(Qt::OtherFocusReason);
    MaskEdit1->selectAll();
}

OneNumberEntry EntryOf(const OneNumberRow& row) {
    return {row.description, row.rangeText, row.title, row.prefix, row.mask, row.helpContext};
}

bool OneNumCommand(CommandContext& context, const OneNumberEntry& entry,
                   std::string& rememberedText) {
    for (;;) {
        bool accepted = false;
        {
            TOneNumInputDlg dialog(context.dialogParent);
            dialog.MaskEdit1->setEditMask(Latin1(entry.mask));
            dialog.MaskEdit1->setText(Latin1(rememberedText));
            dialog.Label1->setText(Latin1(entry.description));
            dialog.SetRangeText(Latin1(entry.rangeText));
            dialog.setWindowTitle(Latin1(entry.title));
            dialog.setProperty("helpContext", entry.helpContext);
            accepted = context.op.runDialog(dialog);
            rememberedText = dialog.EntryText().toLatin1().toStdString();
        }
        if (!accepted)
            return false;
        if (SendTypedLine(context, OneNumberLine(entry.prefix, rememberedText)).sent())
            return true;
    }
}

} // namespace orvant
