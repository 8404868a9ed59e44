#pragma once
// A read-only, non-wrapping view over a growing list of single-byte text lines. The lines
// live in one contiguous buffer with an offset per line, so appending costs the same for
// the first line and the millionth, and painting touches only the visible lines.

#include <QAbstractScrollArea>
#include <QTimer>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace orvant {

class TraceView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit TraceView(QWidget* parent = nullptr);

    void AppendLine(std::string_view line);
    void Clear();
    std::size_t LineCount() const { return starts_.size(); }
    std::string_view Line(std::size_t index) const;
    std::vector<std::string> Lines() const;
    std::size_t MemoryBytes() const;

    // Caret as a character offset into the text (one character per line break).
    int CaretOffset() const;
    void SetCaretOffset(int offset);
    std::size_t CaretLine() const { return caretLine_; }

    // Lines from the selection anchor to the caret line, joined with line breaks.
    QString SelectedText() const;
    void SelectAll();
    void ClearSelection();

    bool IsModified() const { return modified_; }
    void SetModified(bool modified) { modified_ = modified; }

    // Brings pending appends onto the screen now instead of at the next timer tick.
    void Flush();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void UpdateScrollBars();
    void ScheduleRefresh();
    std::size_t LineAt(int y) const;
    void MoveCaretToLine(std::size_t line, bool extend);
    int LineHeight() const;
    int TabStop() const; // pixels between tab stops: eight blanks

    std::string text_;                // all lines back to back, without line ends
    std::vector<std::size_t> starts_; // offset of each line in text_
    std::size_t longest_ = 0;         // index of the line with the most characters
    std::size_t caretLine_ = 0;
    std::size_t anchorLine_ = 0;
    bool selecting_ = false;
    bool modified_ = false;
    bool follow_ = true; // keep the last line in view while lines arrive
    QTimer refresh_;
};

} // namespace orvant
