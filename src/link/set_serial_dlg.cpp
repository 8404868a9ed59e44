#include "set_serial_dlg.h"

#include "link/operator.h"
#include "link/radio_group.h"
#include "link/serial_rates.h"
#include "widgets/dialog_buttons.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

namespace orvant {

TSetSerialDlg::TSetSerialDlg(QWidget* parent) : QDialog(parent) {
    setObjectName("TSetSerialDlg");
    setWindowTitle("Serial Setup Dialog");
    setProperty("helpContext", kSerialSetupHelpContext);

    ChannelGroup = new RadioGroup("&Chanel", this);
    ChannelGroup->setObjectName("ChannelGroup");
    ChannelGroup->setItems({"Com1", "Com2", "Com3", "Com4"});
    BaudGroup = new RadioGroup("&Baud Rate", this);
    BaudGroup->setObjectName("BaudGroup");
    BaudGroup->setItems(BaudItems(false));

    ResetCheck = new QCheckBox(" &Reset MCU", this);
    ResetCheck->setObjectName("ResetCheck");
    ResetCheck->setChecked(true);
    FastCheck = new QCheckBox("&Fast Indexer type", this);
    FastCheck->setObjectName("FastCheck");
    AutoInitCheck = new QCheckBox("Auto init when starting Orvant PC Utilities", this);
    AutoInitCheck->setObjectName("AutoInitCheck");
    connect(FastCheck, &QCheckBox::clicked, this, &TSetSerialDlg::FastClick);

    QHBoxLayout* buttons = OkCancelRow(*this, OKBtn, CancelBtn);

    auto* line = new QVBoxLayout;
    line->addWidget(new QLabel("8 data bits", this));
    line->addWidget(new QLabel("No parity", this));
    line->addWidget(new QLabel("1 stop bit", this));
    line->addStretch();

    auto* groups = new QHBoxLayout;
    groups->addWidget(ChannelGroup);
    groups->addWidget(BaudGroup);
    groups->addLayout(line);

    auto* main = new QVBoxLayout(this);
    main->addLayout(groups);
    main->addWidget(ResetCheck);
    main->addWidget(FastCheck);
    main->addWidget(AutoInitCheck);
    main->addLayout(buttons);

    ChannelGroup->setCurrentIndex(kDefaultChannelIndex);
    BaudGroup->setCurrentIndex(kDefaultBaudIndex);
}

void TSetSerialDlg::FastClick() {
    const int selected = BaudGroup->currentIndex();
    if (FastCheck->isChecked()) {
        BaudGroup->setItems(BaudItems(true));
        if (selected > 0)
            BaudGroup->setCurrentIndex(selected - 1);
    } else {
        BaudGroup->setItems(BaudItems(false));
        if (selected >= 0 && selected < 3)
            BaudGroup->setCurrentIndex(selected + 1);
    }
}

void TSetSerialDlg::SetPresets(const SerialChoices& choices) {
    // A change of the check box runs its click handler, as a click would.
    if (FastCheck->isChecked() != choices.fastIndexer) {
        FastCheck->setChecked(choices.fastIndexer);
        FastClick();
    }
    ChannelGroup->setCurrentIndex(SanitizedChannelIndex(choices.channelIndex));
    BaudGroup->setCurrentIndex(SanitizedBaudIndex(choices.baudIndex));
    AutoInitCheck->setChecked(choices.autoInit);
    ResetCheck->setChecked(true);
}

SerialChoices TSetSerialDlg::choices() const {
    SerialChoices c;
    c.channelIndex = SanitizedChannelIndex(ChannelGroup->currentIndex());
    c.baudIndex = SanitizedBaudIndex(BaudGroup->currentIndex());
    c.fastIndexer = FastCheck->isChecked();
    c.autoInit = AutoInitCheck->isChecked();
    c.resetMcu = ResetCheck->isChecked();
    return c;
}

void BindSerialSetupDialog(SerialSetup& setup, Operator& op, QWidget* parent) {
    QPointer<QWidget> owner(parent);
    setup.askSettings = [&op, owner](SerialChoices& choices) {
        TSetSerialDlg dialog(owner.data());
        dialog.SetPresets(choices);
        if (!op.runDialog(dialog))
            return false;
        choices = dialog.choices();
        return true;
    };
}

void TSetSerialDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (QScreen* s = screen())
        move(s->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

} // namespace orvant
