#include "realmove/trealmove_dlg.h"

#include "language/real_move_conversion.h"
#include "language/session.h"
#include "link/controller_link.h"
#include "link/operator.h"

#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QShowEvent>

#include <algorithm>

namespace orvant {

namespace {

constexpr int kClientWidth = 456;
constexpr int kClientHeight = 275;
constexpr int kStoredWidth = 10; // the stored values as the panel opens

QString Latin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption,
                        const QRect& geometry) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    // Enter belongs to the fields: it must never press a move or Reset by being "default".
    button->setAutoDefault(false);
    return button;
}

// A caption whose accelerator only moves the focus to its control: on a column of move
// buttons, an accelerator that clicked the first button would start the motor.
class FocusLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::Shortcut && buddy()) {
            buddy()->setFocus(Qt::ShortcutFocusReason);
            return true;
        }
        return QLabel::event(event);
    }
};

QLabel* MakeLabel(QWidget* parent, const QString& caption, const QRect& geometry,
                  QWidget* buddy = nullptr) {
    auto* label = new FocusLabel(caption, parent);
    label->setGeometry(geometry);
    if (buddy)
        label->setBuddy(buddy);
    return label;
}

} // namespace

TRealMoveDlg::TRealMoveDlg(Session& session, Operator& op, ControllerLink& link, QWidget* parent)
    : QDialog(parent), session_(session), op_(op), link_(link) {
    setObjectName("TRealMoveDlg");
    setWindowTitle("User Window");
    setFixedSize(kClientWidth, kClientHeight);
    setModal(true);
    if (parent && parent->property("helpContext").toInt())
        setProperty("helpContext", parent->property("helpContext"));

    // Controls are created in tab order: the settings row, then the move rows left to right.
    ILStepPerUnit = new QLineEdit(this);
    ILStepPerUnit->setObjectName("ILStepPerUnit");
    ILStepPerUnit->setGeometry(134, 10, 76, 22);
    ILStepPerUnit->setMaxLength(10);
    ILStepPerUnit->setAlignment(Qt::AlignRight);
    ILStepPerUnit->setValidator(
        new QRegularExpressionValidator(QRegularExpression("[ 0-9]{0,10}"), ILStepPerUnit));
    MakeLabel(this, "&MicroSteps per Unit", QRect(8, 12, 124, 18), ILStepPerUnit);

    IlDecDigit = new QLineEdit(this);
    IlDecDigit->setObjectName("IlDecDigit");
    IlDecDigit->setGeometry(310, 10, 22, 22);
    IlDecDigit->setInputMask("0;_"); // one digit, "_" while empty
    MakeLabel(this, "Decimal digits", QRect(216, 12, 92, 18), IlDecDigit);

    Button2 = MakeButton(this, "Button2", "Re&set", QRect(344, 8, 50, 26));
    Button3 = MakeButton(this, "Button3", "Stop", QRect(398, 8, 50, 26));

    constexpr int kRowTop = 68;
    constexpr int kRowStep = 30;
    for (int i = 0; i < 4; ++i) {
        const QString n = QString::number(i + 1);
        const int y = kRowTop + kRowStep * i;
        BBack[i] = MakeButton(this, "BBack" + n, i == 0 ? " <<--" : "<<--", QRect(8, y, 60, 24));
        ILRel[i] = new QLineEdit("0", this);
        ILRel[i]->setObjectName("ILRel" + n);
        ILRel[i]->setGeometry(74, y + 1, 110, 22);
        BFor[i] = MakeButton(this, "BFor" + n, "-->>", QRect(190, y, 60, 24));
        ILAbs[i] = new QLineEdit("0", this);
        ILAbs[i]->setObjectName("ILAbs" + n);
        ILAbs[i]->setGeometry(262, y + 1, 110, 22);
        BGo[i] = MakeButton(this, "BGo" + n, "GO", QRect(378, y, 60, 24));

        connect(BFor[i], &QPushButton::clicked, this, [this, i] { BForClick(i); });
        connect(BBack[i], &QPushButton::clicked, this, [this, i] { BBackClick(i); });
        connect(BGo[i], &QPushButton::clicked, this, [this, i] { BGoClick(i); });
    }
    MakeLabel(this, "&Backward", QRect(8, 46, 60, 18), BBack[0]);
    MakeLabel(this, "&Relative move", QRect(74, 46, 110, 18), ILRel[0]);
    MakeLabel(this, "&Forward", QRect(190, 46, 60, 18), BFor[0]);
    MakeLabel(this, "&Absolute move", QRect(262, 46, 110, 18), ILAbs[0]);
    MakeLabel(this, "&GO", QRect(378, 46, 60, 18), BGo[0]);

    Button1 = MakeButton(this, "Button1", "&Upload Abs. Position", QRect(8, 196, 160, 28));
    UploadText = new QLabel(this);
    UploadText->setObjectName("UploadText");
    UploadText->setGeometry(180, 192, 180, 34);
    QFont font = UploadText->font();
    font.setBold(true);
    font.setPixelSize(19);
    UploadText->setFont(font);
    UploadText->setStyleSheet("color: blue;");

    CancelBtn = MakeButton(this, "CancelBtn", "Cancel", QRect(370, 238, 78, 28));

    connect(Button1, &QPushButton::clicked, this, &TRealMoveDlg::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TRealMoveDlg::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TRealMoveDlg::Button3Click);
    connect(CancelBtn, &QPushButton::clicked, this, &TRealMoveDlg::reject);
    connect(IlDecDigit, &QLineEdit::textChanged, this, &TRealMoveDlg::IlDecDigitChange);

    ILStepPerUnit->installEventFilter(this);
    for (QLineEdit* field : ILRel)
        field->installEventFilter(this);
    for (QLineEdit* field : ILAbs)
        field->installEventFilter(this);

    ILStepPerUnit->setFocus();
}

TRealMoveDlg::~TRealMoveDlg() {
    // The fields lose the focus while they are destroyed; nothing is converted then.
    ILStepPerUnit->removeEventFilter(this);
    for (QLineEdit* field : ILRel)
        field->removeEventFilter(this);
    for (QLineEdit* field : ILAbs)
        field->removeEventFilter(this);
}

template <typename Work> void TRealMoveDlg::Request(Work work) {
    if (busy_) {
        op_.playSound(Sound::Default);
        return;
    }
    busy_ = true;
    work();
    busy_ = false;
}

void TRealMoveDlg::reject() {
    if (busy_) {
        op_.playSound(Sound::Default);
        return;
    }
    QDialog::reject();
}

void TRealMoveDlg::FormActivate() {
    MoveExchangeRecord& move = session_.Move;
    UploadText->setText("????????");
    ILStepPerUnit->setText(QString::number(move.StepsPerUnit));
    for (int i = 0; i < 4; ++i) {
        ILRel[i]->setText(
            Latin1(UserUnitsText(move.RelDistance[i], move.DecimalDigits, kStoredWidth)));
        ILAbs[i]->setText(
            Latin1(UserUnitsText(move.AbsPosition[i], move.DecimalDigits, kStoredWidth)));
    }
    // A changed text runs the digits handling, which re-shows the reachable values.
    const bool oneDigit = move.DecimalDigits >= 0 && move.DecimalDigits <= 9;
    IlDecDigit->setText(oneDigit ? QString::number(move.DecimalDigits) : QString());
}

double& TRealMoveDlg::StoredValue(QLineEdit* field) {
    MoveExchangeRecord& move = session_.Move;
    for (int i = 0; i < 4; ++i) {
        if (field == ILRel[i])
            return move.RelDistance[i];
        if (field == ILAbs[i])
            return move.AbsPosition[i];
    }
    return move.RelDistance[0]; // not reached: every distance field is in one of the rows
}

RealMoveConversion TRealMoveDlg::ConvertField(QLineEdit* field) {
    double& stored = StoredValue(field);
    const RealMoveConversion c =
        ConvertRealMove(field->text().toStdString(), stored,
                        StepsPerUnitFromText(ILStepPerUnit->text().toStdString()),
                        session_.CurrentRecord().M, decDigits_);
    if (!c.isNumber)
        op_.showBox(BoxKind::Error, kNoRealNumberText);
    if (!c.steps)
        op_.showBox(BoxKind::Error, kDistanceBeyondRangeText);
    stored = c.value;
    return c;
}

void TRealMoveDlg::DistanceExit(QLineEdit* field) {
    const RealMoveConversion c = ConvertField(field);
    field->setText(Latin1(c.shown));
}

void TRealMoveDlg::ReshowDistances() {
    for (QLineEdit* field : ILAbs)
        DistanceExit(field);
    for (QLineEdit* field : ILRel)
        DistanceExit(field);
}

void TRealMoveDlg::SendMove(char letter, QLineEdit* field) {
    Request([&] {
        const RealMoveConversion c = ConvertField(field);
        if (!c.steps)
            return; // beyond the controller's range: nothing is sent
        session_.PendingMoveCommand = letter + std::to_string(*c.steps);
        link_.MoveCommand(0);
        link_.MoveCommand(1);
        UploadText->setText("?????????");
    });
}

void TRealMoveDlg::BForClick(int row) {
    SendMove('F', ILRel[row]);
}

void TRealMoveDlg::BBackClick(int row) {
    SendMove('B', ILRel[row]);
}

void TRealMoveDlg::BGoClick(int row) {
    SendMove('G', ILAbs[row]);
}

void TRealMoveDlg::Button2Click() {
    Request([&] {
        session_.PendingMoveCommand = "\\";
        link_.MoveCommand(0);
    });
}

void TRealMoveDlg::Button3Click() {
    Request([&] {
        session_.PendingMoveCommand = "K";
        link_.MoveCommand(0);
    });
}

void TRealMoveDlg::Button1Click() {
    Request([&] {
        MoveExchangeRecord& move = session_.Move;
        move.UploadDone = 0;
        link_.ReadPosition();
        if (move.UploadAnswered) {
            UploadText->setText(
                Latin1(UploadedPositionText(move.UploadedPosition, move.StepsPerUnit, decDigits_)));
        } else {
            UploadText->setText("No Answer");
            op_.playSound(Sound::CriticalStop);
        }
    });
}

void TRealMoveDlg::ILStepPerUnitExit(bool enter) {
    if (enter)
        op_.playSound(Sound::Default);
    const std::int32_t spu = StepsPerUnitFromText(ILStepPerUnit->text().toStdString());
    ILStepPerUnit->setText(QString::number(spu));
    session_.Move.StepsPerUnit = spu;
    ReshowDistances();
    if (enter)
        ILStepPerUnit->selectAll();
}

void TRealMoveDlg::IlDecDigitChange() {
    const QString text = IlDecDigit->text();
    if (text.size() == 1 && text[0].isDigit() && text[0].unicode() < 128) {
        decDigits_ = text[0].digitValue();
        ReshowDistances();
    } else {
        // Runs this handler again with the digit in use.
        IlDecDigit->setText(QString::number(decDigits_));
    }
}

bool TRealMoveDlg::eventFilter(QObject* watched, QEvent* event) {
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (!field)
        return QDialog::eventFilter(watched, event);
    // A field's context menu takes the focus for a moment, and a closing panel converts
    // nothing.
    if (event->type() == QEvent::FocusOut && isVisible() &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
        if (field == ILStepPerUnit)
            ILStepPerUnitExit(false);
        else
            DistanceExit(field);
    } else if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (field == ILStepPerUnit) {
                ILStepPerUnitExit(true);
            } else {
                DistanceExit(field);
                field->selectAll();
            }
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TRealMoveDlg::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void TRealMoveDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (QScreen* s = screen())
        move(s->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

} // namespace orvant
