#pragma once
// The Serial Setup Dialog: channel, baud rate, Reset MCU, Fast Indexer type and AutoInit.
// Controls carry object names so that scripted operators can fill them: ChannelGroup,
// BaudGroup (radio groups with a currentIndex property), ResetCheck, FastCheck,
// AutoInitCheck, OKBtn, CancelBtn.

#include "link/serial_setup.h"

#include <QDialog>

class QCheckBox;
class QPushButton;

namespace orvant {

class Operator;
class RadioGroup;

inline constexpr int kSerialSetupHelpContext = 10704;

class TSetSerialDlg : public QDialog {
    Q_OBJECT
public:
    explicit TSetSerialDlg(QWidget* parent = nullptr);

    // Applies the presets in the order Fast check box, channel, baud index, AutoInit, so
    // that the baud index set last is the stored one even after FastClick shifted it.
    // Reset MCU is ticked every time.
    void SetPresets(const SerialChoices& choices);
    SerialChoices choices() const;

    // The "&Fast Indexer type" check box was clicked: the rate items double or halve and
    // the selection follows so that the same rate stays selected where it exists.
    void FastClick();

    RadioGroup* ChannelGroup;
    RadioGroup* BaudGroup;
    QCheckBox* ResetCheck;
    QCheckBox* FastCheck;
    QCheckBox* AutoInitCheck;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

protected:
    // The dialog opens centred on the screen, not over its parent.
    void showEvent(QShowEvent* event) override;
};

// Binds SerialSetup::askSettings to a TSetSerialDlg run through the operator.
void BindSerialSetupDialog(SerialSetup& setup, Operator& op, QWidget* parent);

} // namespace orvant
