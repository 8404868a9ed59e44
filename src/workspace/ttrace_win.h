#pragma once
// The trace window: one line for every command sent and every byte received.

#include <QMdiSubWindow>
#include <QString>

namespace orvant {

class Operator;
class TraceView;

class TTraceWin : public QMdiSubWindow {
    Q_OBJECT
public:
    explicit TTraceWin(Operator& op, QWidget* parent = nullptr);

    TraceView* Editor = nullptr;

public slots:
    void AppendTraceLine(const QString& line);
    void Trace1Click();
    void ClearTracewindow1Click();
    // True when the trace reached a file.
    bool SaveTraceBuffer1Click();

protected:
    // Closing only minimises: the window and its trace live until the program ends.
    void closeEvent(QCloseEvent* event) override;

private:
    Operator& op_;
};

} // namespace orvant
