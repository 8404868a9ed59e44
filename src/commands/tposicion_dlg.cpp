#include "commands/tposicion_dlg.h"

#include "link/operator.h"
#include "link/radio_group.h"
#include "widgets/dialog_buttons.h"
#include "widgets/dialog_placement.h"
#include "widgets/masked_edit.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace orvant {

namespace {

QString Latin1(const std::string& s) {
    return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace

TPosicionDlg::TPosicionDlg(Operator& op, std::int32_t m, std::int32_t r, QWidget* parent)
    : QDialog(parent), op_(op), m_(m), r_(r) {
    setObjectName("TPosicionDlg");
    Radio = new RadioGroup("&Set kind value", this);
    Radio->setObjectName("Radio");
    Radio->setItems({"Num. of revolutions", "Number of steps in current full step division",
                     "Number of microsteps (Full step = 64 microsteps)"});
    Label1 = new QLabel("Enter &number:", this);
    Label1->setObjectName("Label1");
    Edit = new MaskedEdit("99999999;1;.", this);
    Edit->setObjectName("Edit");
    Edit->setMinimumWidth(120);
    Label1->setBuddy(Edit);
    Label2 = new QLabel("Range:", this);
    Label2->setObjectName("Label2");
    Range = new QLabel(this);
    Range->setObjectName("Range");

    for (QRadioButton* item : Radio->findChildren<QRadioButton*>())
        connect(item, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                RadioClick();
        });

    auto* grid = new QGridLayout;
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Edit, 0, 1);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(Range, 1, 1);
    grid->setColumnStretch(2, 1);

    QHBoxLayout* buttons = OkCancelRow(*this, OKBtn, CancelBtn);

    auto* main = new QVBoxLayout(this);
    main->addWidget(Radio);
    main->addLayout(grid);
    main->addLayout(buttons);
    FormCreate();
    FixBorder(*this);
}

void TPosicionDlg::FormCreate() {
    QStringList items = Radio->items();
    items[kRevolutions] = Latin1(RevolutionItemText(r_));
    Radio->setItems(items);
    LowerLimit = kPositionLowest;
    UpperLimit = kPositionHighest;
    RadioClick();
}

void TPosicionDlg::RadioClick() {
    const int kind = Kind() < 0 ? kMicrosteps : Kind();
    Range->setText(Latin1(PositionRangeText(kind, m_, r_, LowerLimit, UpperLimit)));
}

int TPosicionDlg::Kind() const {
    return Radio->currentIndex();
}

void TPosicionDlg::SetKind(int kind) {
    Radio->setCurrentIndex(kind >= kRevolutions && kind <= kMicrosteps ? kind : kMicrosteps);
    RadioClick();
}

void TPosicionDlg::done(int r) {
    if (r == QDialog::Accepted && !FormCloseQuery())
        return;
    QDialog::done(r);
}

bool TPosicionDlg::FormCloseQuery() {
    const int kind = Kind() < 0 ? kMicrosteps : Kind();
    const PositionConversion out =
        ConvertPosition(kind, Edit->text().toLatin1().toStdString(), m_, r_);
    switch (out.outcome) {
    case PositionConversion::Converted:
        result_ = out.microsteps;
        return true;
    case PositionConversion::Empty:
        op_.showBox(BoxKind::Error, kPositionNotOkMessage);
        break;
    case PositionConversion::NotNumber:
    case PositionConversion::TooLarge:
        // A conversion beyond 32 bits would wrap into another, possibly negative, distance:
        // it is refused like a text that is no number.
        op_.playSound(Sound::CriticalStop);
        op_.showBox(BoxKind::Error, kPositionNotOkMessage);
        break;
    case PositionConversion::NotMultiple:
        op_.playSound(Sound::CriticalStop);
        op_.showBox(BoxKind::Error, Latin1(NotMultipleMessage(out.nearest)));
        break;
    }
    Edit->setFocus();
    return false;
}

void TPosicionDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOnScreen(*this);
    Edit->setFocus(Qt::OtherFocusReason);
    Edit->selectAll();
}

} // namespace orvant
