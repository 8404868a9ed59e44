#pragma once
// The About box, shown at every start and from Help, About.

#include <QDialog>

class QLabel;

namespace orvant {

class Operator;

// The licensee line is kept scrambled in the program and unscrambled when the box is made.
QString UnscrambleLicence();

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(Operator& op, QWidget* parent = nullptr);

    QLabel* ProductName = nullptr;
    QLabel* Comments = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Licence = nullptr;

    // Shift + right click on the picture: the credit line.
    void ShowCredit();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Operator& op_;
    QWidget* picture_ = nullptr;
};

} // namespace orvant
