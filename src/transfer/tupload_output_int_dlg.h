#pragma once
// The value box ("Upload output box"): a register value in decimal, hexadecimal and binary.
// Fields NameVariable, OutputDec, OutputHex, OutputBin; labels LabelHex, LabelBin; OKBtn.

#include "language/readback_texts.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace orvant {

class TUploadOutputIntDlg : public QDialog {
    Q_OBJECT
public:
    explicit TUploadOutputIntDlg(const ValueBoxTexts& texts, QWidget* parent = nullptr);

    QLineEdit* NameVariable;
    QLineEdit* OutputDec;
    QLineEdit* OutputHex;
    QLineEdit* OutputBin;
    QLabel* LabelHex;
    QLabel* LabelBin;
    QPushButton* OKBtn;
};

} // namespace orvant
