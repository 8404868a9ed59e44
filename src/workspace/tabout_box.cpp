#include "workspace/tabout_box.h"

#include "link/operator.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <cmath>

namespace orvant {

namespace {

constexpr unsigned char kLicenceKey = 0x5A;
// "Licensed to the ORVANT workbench user", each byte XOR 0x5A with its position.
constexpr unsigned char kScrambledLicence[] = {
    0x16, 0x32, 0x3B, 0x3C, 0x30, 0x2C, 0x39, 0x39, 0x72, 0x27, 0x3F, 0x71, 0x22,
    0x3F, 0x31, 0x75, 0x05, 0x19, 0x1E, 0x08, 0x00, 0x1B, 0x6C, 0x3A, 0x2D, 0x31,
    0x2B, 0x23, 0x23, 0x29, 0x27, 0x2D, 0x5A, 0x0E, 0x0B, 0x1C, 0x0C};

// The picture: a stepper motor's flange with its rotor teeth, and a trapezoidal velocity
// profile. The sky fills the whole box; the motor and the profile are composed inside the
// stage, the part of the box that the text panel leaves free, so that nothing of them is
// hidden; the motor stands left of the OK button and the profile right of it.
class AboutPicture : public QWidget {
public:
    using QWidget::QWidget;

    void setStage(const QRectF& stage) {
        stage_ = stage;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient sky(0, 0, 0, height());
        sky.setColorAt(0, QColor(0xDD, 0xE6, 0xF4));
        sky.setColorAt(1, QColor(0x7F, 0x94, 0xB8));
        p.fillRect(rect(), sky);
        const QRectF stage = stage_.isEmpty() ? QRectF(rect()) : stage_;
        // The motor as large as the stage's height allows, at its left end.
        const double r = stage.height() * 0.42;
        const QPointF c(stage.left() + stage.width() * 0.05 + r, stage.center().y());
        p.setPen(QPen(QColor(0x20, 0x28, 0x40), 2));
        p.setBrush(QColor(0x50, 0x58, 0x70));
        p.drawRoundedRect(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), r * 0.18, r * 0.18);
        p.setBrush(QColor(0xB8, 0xBE, 0xC8));
        p.drawEllipse(c, r * 0.62, r * 0.62);
        for (int i = 0; i < 4; ++i) {
            const double a = M_PI / 4 + i * M_PI / 2;
            p.setBrush(QColor(0x20, 0x28, 0x40));
            p.drawEllipse(QPointF(c.x() + std::cos(a) * r * 0.82, c.y() + std::sin(a) * r * 0.82),
                          r * 0.07, r * 0.07);
        }
        p.setBrush(QColor(0x30, 0x30, 0x38));
        p.drawEllipse(c, r * 0.16, r * 0.16);
        // Step marks: fifty teeth of the rotor.
        p.setPen(QPen(QColor(0x30, 0x38, 0x50), 1));
        for (int i = 0; i < 50; ++i) {
            const double a = i * 2 * M_PI / 50;
            p.drawLine(QPointF(c.x() + std::cos(a) * r * 0.45, c.y() + std::sin(a) * r * 0.45),
                       QPointF(c.x() + std::cos(a) * r * 0.58, c.y() + std::sin(a) * r * 0.58));
        }
        // The velocity profile at the right end, level with the motor.
        const double x0 = stage.left() + stage.width() * 0.64;
        const double x1 = stage.right() - stage.width() * 0.03;
        const double yb = c.y() + r, yt = c.y() - r * 0.55;
        QPainterPath path;
        path.moveTo(x0, yb);
        path.lineTo(x0 + (x1 - x0) * 0.25, yt);
        path.lineTo(x0 + (x1 - x0) * 0.75, yt);
        path.lineTo(x1, yb);
        p.setPen(QPen(QColor(0x00, 0x00, 0x80), 2));
        p.setBrush(QColor(0x00, 0x00, 0x80, 60));
        p.drawPath(path);
    }

private:
    QRectF stage_;
};

} // namespace

QString UnscrambleLicence() {
    QByteArray out;
    for (std::size_t i = 0; i < sizeof kScrambledLicence; ++i)
        out +=
            static_cast<char>(kScrambledLicence[i] ^ kLicenceKey ^ static_cast<unsigned char>(i));
    return QString::fromLatin1(out);
}

TAboutBox::TAboutBox(Operator& op, QWidget* parent) : QDialog(parent), op_(op) {
    setObjectName("AboutBox");
    setWindowTitle("About");
    setFixedSize(396, 306);

    auto* picture = new AboutPicture(this);
    picture_ = picture;
    picture_->setObjectName("ProgramIcon");
    picture_->setGeometry(0, 0, 396, 306);
    picture_->installEventFilter(this);

    auto* panel = new QFrame(this);
    panel->setObjectName("Panel1");
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setGeometry(12, 12, 372, 130);
    panel->setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(panel);

    QPalette navy = palette();
    navy.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0x80));
    auto label = [&](const char* name, const QString& text) {
        auto* l = new QLabel(text);
        l->setObjectName(name);
        l->setPalette(navy);
        layout->addWidget(l);
        return l;
    };
    ProductName = label("ProductName", "Orvant PC Utilities");
    QFont big = ProductName->font();
    big.setPixelSize(16);
    big.setBold(true);
    ProductName->setFont(big);
    Comments = label("Comments", "Version : 1.3");
    Label1 = label("Label1", "ORVANT motion control workbench");
    Licence = label("Licence", QString());
    Licence->setText(UnscrambleLicence());

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("OKButton");
    ok->setDefault(true);
    ok->setGeometry(160, 262, 75, 27);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    // The drawing goes below the panel, down to the box's bottom margin.
    const QRect below(panel->geometry().left(), panel->geometry().bottom() + 9,
                      panel->geometry().width(), height() - panel->geometry().bottom() - 18);
    picture->setStage(below);

    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TAboutBox::ShowCredit() {
    op_.showBox(BoxKind::Plain, "Orvant PC Utilities\rwritten by the ORVANT workbench team");
}

bool TAboutBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == picture_ && event->type() == QEvent::MouseButtonPress) {
        auto* e = static_cast<QMouseEvent*>(event);
        if (e->button() == Qt::RightButton && (e->modifiers() & Qt::ShiftModifier)) {
            ShowCredit();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace orvant
