#pragma once
// What the editor adds to a script while the operator types: colours for the command, its
// argument and the comment; a check of the whole document a moment after the last key, run
// in short slices so that typing never waits for it; red wavy underlines with the checker's
// message on hover; and the program size against the controller's memory. Presentation only:
// the text, its undo and the modified flag are never touched.

#include "language/live_check.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QSyntaxHighlighter>
#include <QTextBlock>
#include <QTimer>

#include <optional>

class QLabel;
class QPlainTextEdit;

namespace orvant {

class Session;

// Colours the lines of a script and draws the live check's marks, which it keeps with each
// line so that they move when lines are inserted above them.
class ScriptHighlighter : public QSyntaxHighlighter {
    Q_OBJECT
public:
    ScriptHighlighter(QTextDocument* document, const QColor& base);

    // The mark kept with `block`; sets it and redraws the line when it changed. Returns
    // whether it changed.
    static LineMark MarkOf(const QTextBlock& block);
    bool SetMark(const QTextBlock& block, const LineMark& mark);

    // Picks colours that read well on `base` (light or dark), and redraws when they change.
    void SetBaseColour(const QColor& base);

protected:
    void highlightBlock(const QString& text) override;

private:
    void PickColours(const QColor& base);

    QColor command_, argument_, comment_, fault_, soft_;
};

class ScriptAssist : public QObject {
    Q_OBJECT
public:
    // Pause after the last edit before the document is checked again.
    static constexpr int kPauseMs = 300;
    // Longest time one slice of a check keeps the user-interface thread.
    static constexpr int kSliceMs = 4;

    ScriptAssist(QPlainTextEdit* editor, QLabel* gauge);

    // The live session that checks start from (copied at the start of every pass).
    void SetSession(const Session* session);
    // Checks the document again after the pause (the session changed, or a file was loaded).
    void Schedule();
    // Runs a pending or unfinished pass to its end now (tests, benchmarks).
    void CompletePass();
    bool PassRunning() const { return pass_.has_value(); }

    // The tooltip for a point of the editor's viewport: the message of the marked line under
    // it, or empty.
    QString ToolTipAt(const QPoint& viewportPos) const;
    std::uint32_t ProgramBits() const { return bits_; }
    ScriptHighlighter* Highlighter() const { return highlighter_; }

signals:
    void passFinished(std::uint32_t programBits);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnContentsChange();
    void StartPass();
    bool RunSlice(bool toTheEnd);
    void FinishPass();

    QPlainTextEdit* editor_;
    QWidget* viewport_ = nullptr;
    QPointer<QLabel> gauge_;
    ScriptHighlighter* highlighter_;
    const Session* session_ = nullptr;
    QTimer pause_;
    QTimer slice_;
    std::optional<LiveCheck> pass_;
    QTextBlock next_;
    bool marking_ = false; // our own redraws, not edits
    std::uint32_t bits_ = 0;
};

} // namespace orvant
