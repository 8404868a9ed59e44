#include "motion/tmotion.h"

#include "language/session.h"
#include "link/operator.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <numeric>
#include <vector>

namespace orvant {

// The drawing area of the velocity-time sketch; it paints through TMotion::DrawDiagram and
// keeps the labels at their levels and times whenever its size changes.
class MotionSketch : public QWidget {
public:
    explicit MotionSketch(TMotion& owner) : owner_(owner) {
        setObjectName("Diagram");
        setMinimumSize(260, 180);
        setAutoFillBackground(true);
        QPalette p = palette();
        p.setColor(QPalette::Window, Qt::white);
        setPalette(p);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        owner_.DrawDiagram(painter);
    }
    void resizeEvent(QResizeEvent*) override { owner_.PlaceDiagramLabels(); }

private:
    TMotion& owner_;
};

namespace {

struct FieldSpec {
    const char* name;
    const char* caption;
    const char* unit;
};

const FieldSpec kFields[kMotionValueCount] = {
    {"DEdit", "&Distance (S)", "steps"},
    {"AEdit", "&Acceleration (A)", "steps/s\u00b2"},
    {"TEdit", "&Time (Tm)", "s"},
    {"MEdit", "&Max velocity (Vmax)", "steps/s"},
    {"SEdit", "&S/S velocity (Vstart)", "steps/s"},
};

// The sketch labels: objectName and design caption. The value labels get their texts from
// ShowDiagramLabels.
struct LabelSpec {
    const char* name;
    const char* caption;
};

const LabelSpec kLabels[] = {
    {"VelocityAxisCaption", "[Steps/s]"},
    {"TimeAxisCaption", "[s]"},
    {"DiagramTitle", "v=f(t)"},
    {"VMaxText", "V max"},
    {"Vmax", ""},
    {"VStartText", "V start"},
    {"Vmin", ""},
    {"X0", "T0"},
    {"x1", "T1"},
    {"x2", "T2"},
    {"x3", "T3"},
    {"x4", "T4"},
    {"X5", "Tm"},
    {"S1", "S1"},
    {"VS1", ""},
    {"S11", "S1"},
    {"VS11", ""},
    {"S2", "S2"},
    {"VS2", ""},
    {"OutS", ""},
    {"T12", ""},
};

// The labels that belong to a result: hidden while no valid result is shown.
const char* const kResultLabels[] = {"T12", "VS1",  "VS2",  "VS11",     "S1",   "S11",
                                     "S2",  "OutS", "X0",   "x1",       "x2",   "x3",
                                     "x4",  "X5",   "Vmax", "VMaxText", "Vmin", "VStartText"};

const QColor kAxisColour(48, 48, 48);
const QColor kGuideColour(160, 160, 160);

// Where things go in the sketch: the axes, the two velocity levels, and the time scale.
struct SketchFrame {
    int rowHeight = 0;
    QPoint origin; // where the axes cross
    int timeAxisEnd = 0;
    int velocityAxisTop = 0;
    int plotLeft = 0;   // time 0
    int plotRight = 0;  // the total time
    int maxLevel = 0;   // y of the maximum velocity
    int startLevel = 0; // y of the start/stop velocity
    double total = 0;

    int X(double t) const {
        if (!(total > 0))
            return plotLeft;
        return plotLeft + static_cast<int>(std::lround(std::clamp(t / total, 0.0, 1.0) *
                                                       (plotRight - plotLeft)));
    }
};

SketchFrame Frame(const QWidget& area, const QFontMetrics& metrics, const MotionResult& r,
                  int velocityTextWidth) {
    SketchFrame f;
    f.rowHeight = metrics.height();
    const int w = area.width();
    const int h = area.height();
    const int left = velocityTextWidth + 16;
    f.origin = QPoint(left, h - 2 * f.rowHeight - 12);
    f.timeAxisEnd = w - metrics.horizontalAdvance("[s]") - 10;
    f.velocityAxisTop = f.rowHeight + 6;
    f.plotLeft = left;
    f.plotRight = std::max(left + 10, f.timeAxisEnd - 24);
    // The higher of the two velocities is drawn at this level, the other to scale below it.
    const int topLevel = f.velocityAxisTop + f.rowHeight + 12;
    f.total = r.values.T;
    const double top = std::max(r.values.Vm, r.values.Vs);
    const auto level = [&](double v) {
        if (!(top > 0))
            return f.origin.y();
        return f.origin.y() - static_cast<int>(std::lround(std::clamp(v / top, 0.0, 1.0) *
                                                           (f.origin.y() - topLevel)));
    };
    f.maxLevel = level(r.values.Vm);
    f.startLevel = level(r.values.Vs);
    return f;
}

// Moves the centres of a row of items apart, as little as needed, so that neighbours keep
// `gap` between them and the row stays within [low, high] where it can.
std::vector<double> SpreadCentres(std::vector<double> centre, const std::vector<double>& size,
                                  double gap, double low, double high) {
    const std::size_t n = centre.size();
    if (n == 0)
        return centre;
    std::vector<std::size_t> order(n);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return centre[a] < centre[b]; });
    const auto apart = [&](std::size_t a, std::size_t b) { return (size[a] + size[b]) / 2 + gap; };
    const auto forward = [&] {
        centre[order[0]] = std::max(centre[order[0]], low + size[order[0]] / 2);
        for (std::size_t i = 1; i < n; ++i)
            centre[order[i]] =
                std::max(centre[order[i]], centre[order[i - 1]] + apart(order[i - 1], order[i]));
    };
    forward();
    const std::size_t last = order[n - 1];
    if (centre[last] + size[last] / 2 > high) {
        centre[last] = high - size[last] / 2;
        for (std::size_t i = n - 1; i-- > 0;)
            centre[order[i]] =
                std::min(centre[order[i]], centre[order[i + 1]] - apart(order[i], order[i + 1]));
        if (centre[order[0]] - size[order[0]] / 2 < low)
            forward();
    }
    return centre;
}

void DrawArrow(QPainter& painter, QPoint tip, QPoint back1, QPoint back2) {
    painter.drawLine(tip, back1);
    painter.drawLine(tip, back2);
}

} // namespace

TMotion::TMotion(const Session& session, Operator& op, QWidget* parent)
    : QMdiSubWindow(parent), op_(op) {
    setObjectName("Motion");
    setWindowTitle("Motion Calculator");
    setProperty("helpContext", 10308);
    setAttribute(Qt::WA_DeleteOnClose);

    auto* body = new QWidget;
    auto* columns = new QHBoxLayout(body);
    auto* fieldsColumn = new QVBoxLayout;
    auto* grid = new QGridLayout;
    QLineEdit** edits[kMotionValueCount] = {&DEdit, &AEdit, &TEdit, &MEdit, &SEdit};
    for (int i = 0; i < kMotionValueCount; ++i) {
        auto* caption = new QLabel(kFields[i].caption);
        caption->setObjectName(QString(kFields[i].name).replace("Edit", "Caption"));
        auto* edit = new QLineEdit(QString::fromStdString(session.MotionTexts[i]));
        edit->setObjectName(kFields[i].name);
        edit->setMaximumWidth(110);
        caption->setBuddy(edit);
        grid->addWidget(caption, 2 * i, 0, 1, 2);
        grid->addWidget(edit, 2 * i + 1, 0);
        grid->addWidget(new QLabel(kFields[i].unit), 2 * i + 1, 1);
        *edits[i] = edit;
        connect(edit, &QLineEdit::textChanged, this, &TMotion::ResetResult);
        connect(edit, &QLineEdit::returnPressed, this, [this] {
            if (Apply->isEnabled())
                ApplyClick();
        });
    }
    fieldsColumn->addLayout(grid);
    fieldsColumn->addStretch(1);
    auto* buttons = new QHBoxLayout;
    Apply = new QPushButton("A&pply");
    Apply->setObjectName("Apply");
    Apply->setDefault(true);
    Close = new QPushButton("&Close");
    Close->setObjectName("Close");
    buttons->addWidget(Apply);
    buttons->addWidget(Close);
    fieldsColumn->addLayout(buttons);
    columns->addLayout(fieldsColumn);
    connect(Apply, &QPushButton::clicked, this, &TMotion::ApplyClick);
    connect(Close, &QPushButton::clicked, this, &TMotion::CloseClick);

    sketch_ = new MotionSketch(*this);
    for (const LabelSpec& spec : kLabels) {
        auto* label = new QLabel(spec.caption, sketch_);
        label->setObjectName(spec.name);
    }
    Label("DiagramTitle")->setStyleSheet("color: red; font-weight: bold;");
    columns->addWidget(sketch_, 1);
    setWidget(body);
    setTabOrder(DEdit, AEdit);
    setTabOrder(AEdit, TEdit);
    setTabOrder(TEdit, MEdit);
    setTabOrder(MEdit, SEdit);
    setTabOrder(SEdit, Apply);
    setTabOrder(Apply, Close);

    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { FocusChanged(now); });

    SetDiagramHidden(true);
    triangular_ = true;
    resize(640, 330);
    DEdit->setFocus();
}

TMotion::~TMotion() {
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
}

QLineEdit* TMotion::Field(MotionValue value) const {
    const std::array<QLineEdit*, kMotionValueCount> fields = {DEdit, AEdit, TEdit, MEdit, SEdit};
    return fields[static_cast<std::size_t>(value)];
}

QLabel* TMotion::Label(const QString& name) const {
    return sketch_->findChild<QLabel*>(name, Qt::FindDirectChildrenOnly);
}

void TMotion::FocusChanged(QWidget* now) {
    if (!now || !isAncestorOf(now))
        return;
    const bool entered = now != lastFocus_;
    lastFocus_ = now;
    for (int i = 0; i < kMotionValueCount; ++i)
        if (entered && now == Field(static_cast<MotionValue>(i)))
            ResetResult();
}

void TMotion::ApplyClick() {
    std::array<std::string, kMotionValueCount> texts;
    for (int i = 0; i < kMotionValueCount; ++i)
        texts[static_cast<std::size_t>(i)] =
            Field(static_cast<MotionValue>(i))->text().toStdString();
    result_ = CalculateMotion(texts);
    unknown_ = result_.unknown;
    for (const std::string& message : result_.messages)
        op_.showBox(BoxKind::Error, QString::fromStdString(message));
    if (result_.outcome == MotionOutcome::ReadingRefused) {
        if (result_.focus)
            Field(*result_.focus)->setFocus();
    } else if (result_.solved()) {
        triangular_ = result_.triangular;
        ShowValues();
        SetDiagramHidden(false);
        ShowDiagramLabels();
        Apply->setEnabled(false);
    } else {
        SetDiagramHidden(true);
    }
    sketch_->update();
}

void TMotion::CloseClick() {
    close();
}

void TMotion::ResetResult() {
    if (diagramHidden_)
        return;
    SetDiagramHidden(true);
    Apply->setEnabled(true);
    if (unknown_) {
        QLineEdit* field = Field(*unknown_);
        QPalette p = field->palette();
        p.setColor(QPalette::Base, Qt::white);
        p.setColor(QPalette::Text, Qt::black);
        field->setPalette(p);
        field->clear();
    }
    sketch_->update();
}

void TMotion::ShowValues() {
    const MotionDisplayTexts texts = DisplayTexts(result_);
    for (int i = 0; i < kMotionValueCount; ++i)
        Field(static_cast<MotionValue>(i))
            ->setText(QString::fromStdString(texts.fields[static_cast<std::size_t>(i)]));
    if (!unknown_)
        return;
    QLineEdit* field = Field(*unknown_);
    QPalette p = field->palette();
    p.setColor(QPalette::Base, Qt::yellow);
    if (*unknown_ == MotionValue::Time)
        p.setColor(QPalette::Text, Qt::red);
    field->setPalette(p);
}

void TMotion::ShowDiagramLabels() {
    const MotionDisplayTexts t = DisplayTexts(result_);
    const auto set = [this](const char* name, const std::string& text) {
        Label(name)->setText(QString::fromStdString(text));
    };
    set("OutS", t.OutS);
    set("X0", t.X0);
    set("x1", t.x1);
    set("x2", t.x2);
    set("x3", t.x3);
    set("x4", t.x4);
    set("Vmax", t.Vmax);
    set("Vmin", t.Vmin);
    set("VS1", t.VS1);
    set("VS11", t.VS1);
    set("VS2", t.VS2);
    set("T12", t.T12);
    for (const char* name : {"x1", "x3", "S2", "VS2"})
        Label(name)->setVisible(t.trapezoidal);
    PlaceDiagramLabels();
}

void TMotion::SetDiagramHidden(bool hidden) {
    diagramHidden_ = hidden;
    for (const char* name : kResultLabels)
        Label(name)->setVisible(!hidden);
    if (!hidden) {
        Label("S2")->hide();
        Label("VS2")->hide();
    }
    PlaceDiagramLabels();
}

void TMotion::PlaceDiagramLabels() {
    const QFontMetrics metrics(sketch_->font());
    int velocityTextWidth = metrics.horizontalAdvance("V start");
    for (const char* name : {"Vmax", "Vmin"})
        velocityTextWidth =
            std::max(velocityTextWidth, metrics.horizontalAdvance(Label(name)->text()));
    const SketchFrame f = Frame(*sketch_, metrics, result_, velocityTextWidth);
    const int w = sketch_->width();
    const int h = sketch_->height();
    const int rh = f.rowHeight;
    const auto size = [](QLabel* l) {
        l->adjustSize();
        return l->size();
    };
    const auto putCentred = [&](const char* name, int cx, int top) {
        QLabel* l = Label(name);
        const QSize s = size(l);
        l->move(std::clamp(cx - s.width() / 2, 0, std::max(0, w - s.width())), top);
    };

    // Axis captions and title along the top and at the end of the time axis.
    putCentred("VelocityAxisCaption", f.origin.x(), 2);
    putCentred("DiagramTitle", (f.plotLeft + f.plotRight) / 2, 2);
    Label("TimeAxisCaption")
        ->move(f.timeAxisEnd + 4, f.origin.y() - size(Label("TimeAxisCaption")).height() / 2);
    QLabel* outS = Label("OutS");
    outS->move(std::max(0, w - size(outS).width() - 4), 2);

    // The two velocity levels: caption above, value below each level, left of the axis.
    {
        const std::vector<double> levels = SpreadCentres({double(f.maxLevel), double(f.startLevel)},
                                                         {2.0 * rh, 2.0 * rh}, 2, 0, h);
        const char* captions[2] = {"VMaxText", "VStartText"};
        const char* values[2] = {"Vmax", "Vmin"};
        for (int i = 0; i < 2; ++i) {
            const int top = static_cast<int>(levels[static_cast<std::size_t>(i)]) - rh;
            Label(captions[i])->move(4, top);
            size(Label(captions[i]));
            QLabel* value = Label(values[i]);
            value->move(std::max(0, f.origin.x() - 8 - size(value).width()), top + rh);
        }
    }

    // The time marks under the time axis, and "Tm" under the last one.
    const MotionPhases& p = result_.phases;
    struct Mark {
        const char* name;
        double time;
    };
    std::vector<Mark> marks = {{"X0", 0}, {"x2", p.Th}, {"x4", result_.values.T}};
    if (!triangular_) {
        marks.insert(marks.begin() + 1, {"x1", p.T1});
        marks.insert(marks.begin() + 3, {"x3", p.T2});
    }
    std::vector<double> centres;
    std::vector<double> widths;
    for (const Mark& m : marks) {
        centres.push_back(f.X(m.time));
        widths.push_back(size(Label(m.name)).width());
    }
    centres = SpreadCentres(centres, widths, 6, 0, w);
    for (std::size_t i = 0; i < marks.size(); ++i)
        Label(marks[i].name)->move(static_cast<int>(centres[i] - widths[i] / 2), f.origin.y() + 8);
    putCentred("X5", f.X(result_.values.T), f.origin.y() + 8 + rh);

    // The partial distances just above the time axis, under the slopes and the constant part.
    struct Distance {
        const char* caption;
        const char* value;
        double time;
    };
    std::vector<Distance> distances;
    if (triangular_) {
        distances = {{"S1", "VS1", p.Th / 2}, {"S11", "VS11", p.Th * 1.5}};
    } else {
        distances = {{"S1", "VS1", p.T1 / 2},
                     {"S2", "VS2", p.Th},
                     {"S11", "VS11", (p.T2 + result_.values.T) / 2}};
    }
    centres.clear();
    widths.clear();
    for (const Distance& d : distances) {
        centres.push_back(f.X(d.time));
        widths.push_back(std::max(size(Label(d.caption)).width(), size(Label(d.value)).width()));
    }
    centres = SpreadCentres(centres, widths, 8, f.plotLeft + 2, f.plotRight);
    for (std::size_t i = 0; i < distances.size(); ++i) {
        const int cx = static_cast<int>(centres[i]);
        putCentred(distances[i].caption, cx, f.origin.y() - 2 * rh - 4);
        putCentred(distances[i].value, cx, f.origin.y() - rh - 4);
    }

    // The time at constant velocity over the middle of the move, above the maximum level.
    putCentred("T12", f.X(p.Th), std::max(f.rowHeight + 2, f.maxLevel - rh - 6));
    sketch_->update();
}

void TMotion::DrawDiagram(QPainter& painter) {
    const QFontMetrics metrics(sketch_->font());
    const int velocityTextWidth = std::max({metrics.horizontalAdvance("V start"),
                                            metrics.horizontalAdvance(Label("Vmax")->text()),
                                            metrics.horizontalAdvance(Label("Vmin")->text())});
    const SketchFrame f = Frame(*sketch_, metrics, result_, velocityTextWidth);
    painter.setRenderHint(QPainter::Antialiasing);

    // Axes with arrow heads.
    painter.setPen(QPen(kAxisColour, 2));
    const QPoint o = f.origin;
    const QPoint timeEnd(f.timeAxisEnd, o.y());
    const QPoint velocityEnd(o.x(), f.velocityAxisTop);
    painter.drawLine(o, timeEnd);
    painter.drawLine(o, velocityEnd);
    DrawArrow(painter, timeEnd, timeEnd + QPoint(-7, -4), timeEnd + QPoint(-7, 4));
    DrawArrow(painter, velocityEnd, velocityEnd + QPoint(-4, 7), velocityEnd + QPoint(4, 7));
    if (diagramHidden_)
        return;

    const MotionPhases& p = result_.phases;
    const int x0 = f.X(0);
    const int x4 = f.X(result_.values.T);
    std::vector<QPoint> corners;
    std::vector<int> marks;
    if (triangular_) {
        const int x2 = f.X(p.Th);
        corners = {{x0, f.startLevel}, {x2, f.maxLevel}, {x4, f.startLevel}};
        marks = {x0, x2, x4};
    } else {
        const int x1 = f.X(p.T1);
        const int x3 = f.X(p.T2);
        corners = {{x0, f.startLevel}, {x1, f.maxLevel}, {x3, f.maxLevel}, {x4, f.startLevel}};
        marks = {x0, x1, f.X(p.Th), x3, x4};
    }

    // Guides from the levels and the corners to the axes.
    painter.setPen(QPen(kGuideColour, 1, Qt::DotLine));
    painter.drawLine(QPoint(o.x(), f.maxLevel), corners[1]);
    for (std::size_t i = 1; i + 1 < corners.size(); ++i)
        painter.drawLine(corners[i], QPoint(corners[i].x(), o.y()));
    painter.drawLine(corners.back(), QPoint(x4, o.y()));

    // Level marks on the velocity axis, time marks on the time axis.
    painter.setPen(QPen(kAxisColour, 2));
    for (int level : {f.maxLevel, f.startLevel})
        painter.drawLine(o.x() - 4, level, o.x() + 4, level);
    for (int x : marks)
        painter.drawLine(x, o.y() - 4, x, o.y() + 4);

    // The profile.
    painter.setPen(QPen(Qt::red, 2));
    QPainterPath path(corners.front());
    for (std::size_t i = 1; i < corners.size(); ++i)
        path.lineTo(corners[i]);
    painter.drawPath(path);
}

} // namespace orvant
