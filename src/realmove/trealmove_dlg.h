#pragma once
// The Real Move panel ("User Window"): moves the motor in the operator's own units. It keeps
// four relative distances and four absolute positions in the session's move exchange record,
// converts each to the microsteps that the current microstep setting can reach, sends the
// move and run commands through the controller link, and reads the absolute position back.
//
// Controls carry the object names ILStepPerUnit, Button2 (Reset), Button3 (Stop),
// IlDecDigit, BBack1..4, ILRel1..4, BFor1..4, ILAbs1..4, BGo1..4, Button1 (Upload),
// UploadText and CancelBtn.

#include <QDialog>

#include <array>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace orvant {

class ControllerLink;
class Operator;
class Session;
struct RealMoveConversion;

class TRealMoveDlg : public QDialog {
    Q_OBJECT
public:
    TRealMoveDlg(Session& session, Operator& op, ControllerLink& link, QWidget* parent = nullptr);
    ~TRealMoveDlg() override;

    // The panel became the active window: question marks, the stored values, then the
    // stored digit count (which re-shows the fields when it changes the digits field).
    void FormActivate();

    // Move buttons of row 0..3: forward and backward by the relative distance, go to the
    // absolute position.
    void BForClick(int row);
    void BBackClick(int row);
    void BGoClick(int row);
    void Button1Click(); // Upload Abs. Position
    void Button2Click(); // Reset
    void Button3Click(); // Stop

    // Leaving the microsteps-per-unit field (enter = false) or Enter in it.
    void ILStepPerUnitExit(bool enter);
    // The decimal-digits field changed.
    void IlDecDigitChange();
    // Leaving a distance field: converted and its text replaced by the reachable value.
    void DistanceExit(QLineEdit* field);

    int DecDigits() const { return decDigits_; }

    QLineEdit* ILStepPerUnit;
    QPushButton* Button2;
    QPushButton* Button3;
    QLineEdit* IlDecDigit;
    std::array<QPushButton*, 4> BBack{};
    std::array<QLineEdit*, 4> ILRel{};
    std::array<QPushButton*, 4> BFor{};
    std::array<QLineEdit*, 4> ILAbs{};
    std::array<QPushButton*, 4> BGo{};
    QPushButton* Button1;
    QLabel* UploadText;
    QPushButton* CancelBtn;

public slots:
    // Refused (with the default beep) while a request to the controller is still running.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    // The panel opens centred on the screen.
    void showEvent(QShowEvent* event) override;

private:
    // The stored value that belongs to a distance field.
    double& StoredValue(QLineEdit* field);
    // Converts the field's text with the current units and digits, keeps the value in the
    // record and tells the operator about a text that is not a number or a distance beyond
    // the controller's range.
    RealMoveConversion ConvertField(QLineEdit* field);
    // Converts and re-shows ILAbs1..4, then ILRel1..4.
    void ReshowDistances();
    // Sends the pending move command and then the run command.
    void SendMove(char letter, QLineEdit* field);
    // Runs one request to the controller; a click while one runs only beeps, since the
    // position read services events while it waits.
    template <typename Work> void Request(Work work);

    Session& session_;
    Operator& op_;
    ControllerLink& link_;
    int decDigits_ = 0;
    bool busy_ = false;
};

} // namespace orvant
