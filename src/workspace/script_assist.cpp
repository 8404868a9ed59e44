#include "workspace/script_assist.h"

#include "language/script_spans.h"
#include "language/session.h"

#include <QEvent>
#include <QHelpEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QToolTip>

namespace orvant {

namespace {

// A line's mark and the text it was found on. A line edited since, or split by a new line,
// shows no mark until the next pass has looked at it again.
class MarkData : public QTextBlockUserData {
public:
    MarkData(const LineMark& m, const QString& t) : mark(m), text(t) {}
    LineMark mark;
    QString text;
};

const MarkData* CurrentMark(const QTextBlockUserData* userData, const QString& text) {
    const auto* data = static_cast<const MarkData*>(userData);
    return data && data->text == text ? data : nullptr;
}

bool IsDark(const QColor& base) {
    return base.lightness() < 128;
}

} // namespace

ScriptHighlighter::ScriptHighlighter(QTextDocument* document, const QColor& base)
    : QSyntaxHighlighter(document) {
    // The base class colours the document once, later; no colouring of our own here, since
    // thousands of documents may open at start-up.
    PickColours(base);
}

void ScriptHighlighter::SetBaseColour(const QColor& base) {
    const QColor before = command_;
    PickColours(base);
    if (command_ != before)
        rehighlight();
}

void ScriptHighlighter::PickColours(const QColor& base) {
    if (IsDark(base)) {
        command_ = QColor(0x8a, 0xb4, 0xf8);
        argument_ = QColor(0x9c, 0xd6, 0x9c);
        comment_ = QColor(0x9a, 0x9a, 0x9a);
        fault_ = QColor(0xff, 0x6b, 0x6b);
        soft_ = QColor(0xe0, 0xb0, 0x50);
    } else {
        command_ = QColor(0x1a, 0x4f, 0x9c);
        argument_ = QColor(0x2e, 0x6b, 0x3a);
        comment_ = QColor(0x80, 0x80, 0x80);
        fault_ = QColor(0xd0, 0x10, 0x10);
        soft_ = QColor(0xc0, 0x80, 0x00);
    }
}

LineMark ScriptHighlighter::MarkOf(const QTextBlock& block) {
    const MarkData* data = CurrentMark(block.userData(), block.text());
    return data ? data->mark : LineMark{};
}

bool ScriptHighlighter::SetMark(const QTextBlock& block, const LineMark& mark) {
    const auto* data = static_cast<const MarkData*>(block.userData());
    QTextBlock b = block; // userData is set through a non-const block
    if (mark.kind == LineMarkKind::None) {
        if (!data)
            return false;
        b.setUserData(nullptr);
    } else {
        const QString text = block.text();
        if (data && data->mark == mark && data->text == text)
            return false;
        b.setUserData(new MarkData(mark, text));
    }
    rehighlightBlock(block);
    return true;
}

void ScriptHighlighter::highlightBlock(const QString& text) {
    const QByteArray bytes = text.toLatin1();
    const std::string_view line(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    for (const TextSpan& span : ScriptLineSpans(line)) {
        QTextCharFormat format;
        switch (span.kind) {
        case SpanKind::Command:
            format.setForeground(command_);
            break;
        case SpanKind::Argument:
            format.setForeground(argument_);
            break;
        case SpanKind::Comment:
            format.setForeground(comment_);
            format.setFontItalic(true);
            break;
        }
        setFormat(static_cast<int>(span.start), static_cast<int>(span.length), format);
    }
    const MarkData* data = CurrentMark(currentBlockUserData(), text);
    if (!data)
        return;
    // The mark runs under the line's text, without its blanks and its comment.
    const TextSpan code = ScriptCodeExtent(line);
    const int begin = static_cast<int>(code.start);
    const int end = static_cast<int>(code.start + code.length);
    const bool fault = data->mark.kind == LineMarkKind::Fault;
    for (int i = begin; i < end; ++i) {
        QTextCharFormat f = format(i);
        f.setUnderlineStyle(fault ? QTextCharFormat::WaveUnderline : QTextCharFormat::DotLine);
        f.setUnderlineColor(fault ? fault_ : soft_);
        setFormat(i, 1, f);
    }
}

ScriptAssist::ScriptAssist(QPlainTextEdit* editor, QLabel* gauge)
    : QObject(editor), editor_(editor), gauge_(gauge),
      highlighter_(
          new ScriptHighlighter(editor->document(), editor->palette().color(QPalette::Base))) {
    pause_.setSingleShot(true);
    pause_.setInterval(kPauseMs);
    connect(&pause_, &QTimer::timeout, this, &ScriptAssist::StartPass);
    slice_.setInterval(0);
    connect(&slice_, &QTimer::timeout, this, [this] {
        if (!RunSlice(false))
            slice_.stop();
    });
    connect(editor->document(), &QTextDocument::contentsChange, this,
            &ScriptAssist::OnContentsChange);
    viewport_ = editor->viewport();
    viewport_->installEventFilter(this);
    editor->installEventFilter(this);
    Schedule();
}

void ScriptAssist::SetSession(const Session* session) {
    session_ = session;
    Schedule();
}

void ScriptAssist::Schedule() {
    pass_.reset();
    slice_.stop();
    pause_.start();
}

void ScriptAssist::OnContentsChange() {
    if (marking_)
        return; // a line redrawn with its new mark: the text did not change
    Schedule();
}

void ScriptAssist::StartPass() {
    pass_.emplace(session_ ? *session_ : Session{});
    next_ = editor_->document()->begin();
    slice_.start();
}

bool ScriptAssist::RunSlice(bool toTheEnd) {
    if (!pass_)
        return false;
    QElapsedTimer clock;
    clock.start();
    marking_ = true;
    int sinceClock = 0;
    while (next_.isValid()) {
        const QByteArray bytes = next_.text().toLatin1();
        const LineMark mark = pass_->Feed(
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
        highlighter_->SetMark(next_, mark);
        next_ = next_.next();
        if (!toTheEnd && ++sinceClock >= 64) {
            sinceClock = 0;
            if (clock.elapsed() >= kSliceMs)
                break;
        }
    }
    marking_ = false;
    if (next_.isValid())
        return true;
    FinishPass();
    return false;
}

void ScriptAssist::FinishPass() {
    bits_ = pass_->ProgramBits();
    const MemoryGauge gauge = MemoryGaugeFor(bits_, pass_->State());
    pass_.reset();
    if (gauge_) {
        gauge_->setText(QString::fromStdString(gauge.text));
        gauge_->setStyleSheet(gauge.overflows ? "color: #d01010;" : "");
        gauge_->setToolTip(gauge.overflows ? "The program does not fit the controller's memory"
                                           : "Program size against the controller's memory");
    }
    emit passFinished(bits_);
}

void ScriptAssist::CompletePass() {
    if (pause_.isActive()) {
        pause_.stop();
        StartPass();
    }
    slice_.stop();
    RunSlice(true);
}

QString ScriptAssist::ToolTipAt(const QPoint& viewportPos) const {
    const QTextCursor cursor = editor_->cursorForPosition(viewportPos);
    const QTextBlock block = cursor.block();
    if (!block.isValid())
        return {};
    // The nearest line is found for any point; only a point on the line itself counts.
    const QRect caret = editor_->cursorRect(cursor);
    if (viewportPos.y() < caret.top() || viewportPos.y() > caret.bottom())
        return {};
    return QString::fromStdString(LineMarkMessage(ScriptHighlighter::MarkOf(block)));
}

bool ScriptAssist::eventFilter(QObject* watched, QEvent* event) {
    // Events still arrive while the editor is being destroyed: the type is looked at first and
    // the viewport is compared as it was when the assist was made.
    if (event->type() == QEvent::ToolTip && watched == viewport_) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString text = ToolTipAt(help->pos());
        if (text.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), text, viewport_);
        return true;
    }
    if (event->type() == QEvent::PaletteChange && watched == editor_)
        highlighter_->SetBaseColour(editor_->palette().color(QPalette::Base));
    return QObject::eventFilter(watched, event);
}

} // namespace orvant
