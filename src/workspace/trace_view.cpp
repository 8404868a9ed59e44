#include "workspace/trace_view.h"

#include "language/script_spans.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextLayout>
#include <QTextOption>

#include <algorithm>

namespace orvant {

TraceView::TraceView(QWidget* parent) : QAbstractScrollArea(parent) {
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setCursor(Qt::IBeamCursor);
    refresh_.setSingleShot(true);
    refresh_.setInterval(30);
    connect(&refresh_, &QTimer::timeout, this, &TraceView::Flush);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this](int value) { follow_ = value >= verticalScrollBar()->maximum(); });
}

void TraceView::AppendLine(std::string_view line) {
    starts_.push_back(text_.size());
    text_.append(line);
    const std::size_t last = starts_.size() - 1;
    if (line.size() > Line(longest_).size())
        longest_ = last;
    modified_ = true;
    ScheduleRefresh();
}

void TraceView::Clear() {
    text_.clear();
    text_.shrink_to_fit();
    starts_.clear();
    starts_.shrink_to_fit();
    longest_ = caretLine_ = anchorLine_ = 0;
    follow_ = true;
    modified_ = true;
    Flush();
}

std::string_view TraceView::Line(std::size_t index) const {
    if (index >= starts_.size())
        return {};
    const std::size_t begin = starts_[index];
    const std::size_t end = index + 1 < starts_.size() ? starts_[index + 1] : text_.size();
    return std::string_view(text_).substr(begin, end - begin);
}

std::vector<std::string> TraceView::Lines() const {
    std::vector<std::string> out;
    out.reserve(starts_.size());
    for (std::size_t i = 0; i < starts_.size(); ++i)
        out.emplace_back(Line(i));
    return out;
}

std::size_t TraceView::MemoryBytes() const {
    return text_.capacity() + starts_.capacity() * sizeof(std::size_t);
}

int TraceView::CaretOffset() const {
    if (starts_.empty())
        return 0;
    // Each earlier line adds its characters and one line break.
    return static_cast<int>(std::min<std::size_t>(starts_[caretLine_] + caretLine_, INT_MAX));
}

void TraceView::SetCaretOffset(int offset) {
    if (starts_.empty() || offset <= 0) {
        MoveCaretToLine(0, false);
        return;
    }
    // The line whose first character lies at or before the offset.
    std::size_t lo = 0, hi = starts_.size();
    while (hi - lo > 1) {
        const std::size_t mid = (lo + hi) / 2;
        if (starts_[mid] + mid <= static_cast<std::size_t>(offset))
            lo = mid;
        else
            hi = mid;
    }
    MoveCaretToLine(lo, false);
}

QString TraceView::SelectedText() const {
    if (starts_.empty())
        return {};
    const std::size_t a = std::min(anchorLine_, caretLine_);
    const std::size_t b = std::max(anchorLine_, caretLine_);
    QByteArray out;
    for (std::size_t i = a; i <= b; ++i) {
        if (i > a)
            out += '\n';
        const auto l = Line(i);
        out.append(l.data(), static_cast<qsizetype>(l.size()));
    }
    return QString::fromLatin1(out);
}

void TraceView::SelectAll() {
    if (starts_.empty())
        return;
    anchorLine_ = 0;
    caretLine_ = starts_.size() - 1;
    viewport()->update();
}

void TraceView::ClearSelection() {
    anchorLine_ = caretLine_;
    viewport()->update();
}

int TraceView::LineHeight() const {
    return std::max(1, fontMetrics().lineSpacing());
}

int TraceView::TabStop() const {
    return std::max(8, fontMetrics().horizontalAdvance(' ') * 8);
}

void TraceView::ScheduleRefresh() {
    if (!refresh_.isActive())
        refresh_.start();
}

void TraceView::Flush() {
    refresh_.stop();
    UpdateScrollBars();
    if (follow_)
        verticalScrollBar()->setValue(verticalScrollBar()->maximum());
    viewport()->update();
}

void TraceView::UpdateScrollBars() {
    const int visible = std::max(1, viewport()->height() / LineHeight());
    const auto count = static_cast<long long>(starts_.size());
    const int maxV = static_cast<int>(std::clamp<long long>(count - visible, 0, INT_MAX));
    const bool follow = follow_;
    verticalScrollBar()->setRange(0, maxV);
    verticalScrollBar()->setPageStep(visible);
    verticalScrollBar()->setSingleStep(1);
    follow_ = follow;
    const auto longest = Line(longest_);
    const int width = fontMetrics()
                          .size(Qt::TextSingleLine | Qt::TextExpandTabs,
                                QString::fromLatin1(longest.data(), longest.size()), TabStop())
                          .width() +
                      8;
    horizontalScrollBar()->setRange(0, std::max(0, width - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
    horizontalScrollBar()->setSingleStep(fontMetrics().averageCharWidth());
}

void TraceView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void TraceView::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        Flush();
}

std::size_t TraceView::LineAt(int y) const {
    if (starts_.empty())
        return 0;
    const long long line = verticalScrollBar()->value() + std::max(0, y) / LineHeight();
    return static_cast<std::size_t>(std::min<long long>(line, starts_.size() - 1));
}

void TraceView::MoveCaretToLine(std::size_t line, bool extend) {
    caretLine_ = starts_.empty() ? 0 : std::min(line, starts_.size() - 1);
    if (!extend)
        anchorLine_ = caretLine_;
    const int first = verticalScrollBar()->value();
    const int visible = std::max(1, viewport()->height() / LineHeight());
    const auto caret = static_cast<long long>(caretLine_);
    if (caret < first)
        verticalScrollBar()->setValue(static_cast<int>(caret));
    else if (caret >= first + visible)
        verticalScrollBar()->setValue(static_cast<int>(caret - visible + 1));
    viewport()->update();
}

void TraceView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        selecting_ = true;
        MoveCaretToLine(LineAt(event->position().toPoint().y()),
                        event->modifiers() & Qt::ShiftModifier);
    }
    QAbstractScrollArea::mousePressEvent(event);
}

void TraceView::mouseMoveEvent(QMouseEvent* event) {
    if (selecting_ && (event->buttons() & Qt::LeftButton))
        MoveCaretToLine(LineAt(event->position().toPoint().y()), true);
}

void TraceView::keyPressEvent(QKeyEvent* event) {
    const bool extend = event->modifiers() & Qt::ShiftModifier;
    const int page = std::max(1, viewport()->height() / LineHeight());
    const std::size_t last = starts_.empty() ? 0 : starts_.size() - 1;
    if (event->matches(QKeySequence::Copy)) {
        QApplication::clipboard()->setText(SelectedText());
    } else if (event->matches(QKeySequence::SelectAll)) {
        SelectAll();
    } else if (event->key() == Qt::Key_Up) {
        MoveCaretToLine(caretLine_ ? caretLine_ - 1 : 0, extend);
    } else if (event->key() == Qt::Key_Down) {
        MoveCaretToLine(std::min(last, caretLine_ + 1), extend);
    } else if (event->key() == Qt::Key_PageUp) {
        MoveCaretToLine(caretLine_ > std::size_t(page) ? caretLine_ - page : 0, extend);
    } else if (event->key() == Qt::Key_PageDown) {
        MoveCaretToLine(std::min(last, caretLine_ + page), extend);
    } else if (event->key() == Qt::Key_Home && (event->modifiers() & Qt::ControlModifier)) {
        MoveCaretToLine(0, extend);
    } else if (event->key() == Qt::Key_End && (event->modifiers() & Qt::ControlModifier)) {
        MoveCaretToLine(last, extend);
    } else {
        QAbstractScrollArea::keyPressEvent(event);
    }
}

void TraceView::paintEvent(QPaintEvent*) {
    QPainter p(viewport());
    const QPalette& pal = palette();
    p.fillRect(viewport()->rect(), pal.base());
    const int lh = LineHeight();
    QTextOption option(Qt::AlignLeft | Qt::AlignVCenter);
    option.setWrapMode(QTextOption::NoWrap);
    option.setTabStopDistance(TabStop());
    const int textWidth =
        std::max(viewport()->width(), horizontalScrollBar()->maximum() + viewport()->width()) + 8;
    const int x = 2 - horizontalScrollBar()->value();
    const std::size_t first = static_cast<std::size_t>(verticalScrollBar()->value());
    const std::size_t rows = static_cast<std::size_t>(viewport()->height() / lh + 2);
    const std::size_t selA = std::min(anchorLine_, caretLine_);
    const std::size_t selB = std::max(anchorLine_, caretLine_);
    const bool showSelection = selA != selB; // kept visible without the focus too
    const QColor ink = pal.text().color(), paper = pal.base().color();
    const QColor dimmed((ink.red() + paper.red()) / 2, (ink.green() + paper.green()) / 2,
                        (ink.blue() + paper.blue()) / 2);
    for (std::size_t i = first; i < starts_.size() && i < first + rows; ++i) {
        const int y = static_cast<int>(i - first) * lh;
        const auto line = Line(i);
        const bool selected = showSelection && i >= selA && i <= selB;
        if (selected)
            p.fillRect(0, y, viewport()->width(), lh, pal.highlight());
        p.setPen(selected ? pal.highlightedText().color() : pal.text().color());
        const QString text = QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size()));
        const std::vector<TextSpan> times =
            selected ? std::vector<TextSpan>{} : TraceLineSpans(line);
        if (times.empty()) {
            p.drawText(QRectF(x, y, textWidth, lh), text, option);
            continue;
        }
        // The time of day after ";" is drawn dimmed, the way the editor shows comments.
        QTextLayout layout(text, font());
        layout.setTextOption(option);
        QTextLayout::FormatRange range;
        range.start = static_cast<int>(times.front().start);
        range.length = static_cast<int>(times.front().length);
        range.format.setForeground(dimmed);
        layout.setFormats({range});
        layout.beginLayout();
        QTextLine row = layout.createLine();
        row.setLineWidth(textWidth);
        layout.endLayout();
        p.setPen(pal.text().color());
        layout.draw(&p, QPointF(x, y + (lh - row.height()) / 2));
    }
    if (hasFocus() && caretLine_ >= first && caretLine_ < first + rows) {
        const int y = static_cast<int>(caretLine_ - first) * lh;
        p.fillRect(x, y, 1, lh, pal.text());
    }
}

} // namespace orvant
