#pragma once
// The position entry dialog of Equal, Backward, Forward and Go Absolute: a distance in
// revolutions, steps of the current division or microsteps, converted to microsteps when
// the operator presses OK; a text that is no number, or microsteps that are no whole number
// of steps, keep the dialog open with a message.

#include "language/position_conversion.h"

#include <QDialog>

#include <cstdint>

class QLabel;
class QPushButton;

namespace orvant {

class MaskedEdit;
class Operator;
class RadioGroup;

// Controls carry object names for scripted operators: Radio (radio group, currentIndex),
// Label1 ("Enter &number:"), Edit (the entry field, "text" property), Label2 ("Range:"),
// Range (the range text), OKBtn, CancelBtn.
class TPosicionDlg : public QDialog {
    Q_OBJECT
public:
    // m and r: microsteps per full step and full steps per revolution, both known.
    TPosicionDlg(Operator& op, std::int32_t m, std::int32_t r, QWidget* parent = nullptr);

    // The selected kind changed: the range text follows.
    void RadioClick();
    int Kind() const;
    void SetKind(int kind);
    // The entered amount in microsteps, set when the dialog closed with OK.
    std::int32_t Result() const { return result_; }

    RadioGroup* Radio;
    QLabel* Label1;
    MaskedEdit* Edit;
    QLabel* Label2;
    QLabel* Range;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

    std::int32_t LowerLimit = kPositionLowest;
    std::int32_t UpperLimit = kPositionHighest;

    void done(int r) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    // The close check of OK: false keeps the dialog open.
    bool FormCloseQuery();

    Operator& op_;
    std::int32_t m_;
    std::int32_t r_;
    std::int32_t result_ = 0;
};

} // namespace orvant
