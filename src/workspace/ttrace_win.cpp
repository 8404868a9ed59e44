#include "workspace/ttrace_win.h"

#include "language/script_text.h"
#include "link/operator.h"
#include "workspace/file_io.h"
#include "workspace/tmdi_child.h"
#include "workspace/trace_view.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QMdiArea>

namespace orvant {

TTraceWin::TTraceWin(Operator& op, QWidget* parent) : QMdiSubWindow(parent), op_(op) {
    setObjectName("TraceWin");
    setWindowTitle("Trace Window");
    setProperty("helpContext", 10306);
    setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    Editor = new TraceView;
    Editor->setObjectName("Editor");
    setWidget(Editor);
}

void TTraceWin::AppendTraceLine(const QString& line) {
    const QByteArray bytes = line.toLatin1();
    Editor->AppendLine(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

void TTraceWin::Trace1Click() {
    if (isMinimized() || !isVisible())
        showNormal();
    show();
    if (QMdiArea* area = mdiArea())
        area->setActiveSubWindow(this);
    raise();
}

void TTraceWin::ClearTracewindow1Click() {
    Editor->Clear();
}

bool TTraceWin::SaveTraceBuffer1Click() {
    FileRequest request;
    request.save = true;
    request.filter = kScriptFilter;
    request.defaultSuffix = "epf";
    const FileChoice choice = op_.chooseFile(request);
    if (!choice.accepted || choice.fileName.isEmpty())
        return false;
    QString name = choice.fileName;
    if (!QFileInfo(name).fileName().contains('.'))
        name += ".epf";
    if (QFileInfo::exists(name) && op_.confirm("OK to overwrite " + name) != Answer::Yes)
        return false;
    const QString problem = WriteWholeFile(name, JoinScriptLines(Editor->Lines()));
    if (problem.isEmpty()) {
        Editor->SetModified(false);
        return true;
    }
    op_.showBox(BoxKind::Error, "Cannot write file " + name + ".\r" + problem);
    return false;
}

void TTraceWin::closeEvent(QCloseEvent* event) {
    event->ignore();
    showMinimized();
}

} // namespace orvant
