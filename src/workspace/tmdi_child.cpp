#include "workspace/tmdi_child.h"

#include "language/script_text.h"
#include "link/operator.h"
#include "workspace/file_io.h"
#include "workspace/script_assist.h"

#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTextBlock>
#include <QVBoxLayout>

namespace orvant {

QString WithFilterExtension(const QString& fileName, int filterIndex) {
    if (QFileInfo(fileName).fileName().contains('.'))
        return fileName;
    if (filterIndex == 1)
        return fileName + ".TSF";
    if (filterIndex == 2)
        return fileName + ".txt";
    return fileName;
}

TMDIChild::TMDIChild(Operator& op, QWidget* parent) : QMdiSubWindow(parent), op_(op) {
    setObjectName("MDIChild");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle("File Editor");

    auto* body = new QWidget;
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    Editor = new QPlainTextEdit;
    Editor->setObjectName("Editor");
    Editor->setLineWrapMode(QPlainTextEdit::NoWrap);
    Editor->setWordWrapMode(QTextOption::NoWrap);
    Editor->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Editor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Editor->setTabChangesFocus(false);
    QFont font("System");
    font.setPixelSize(13);
    Editor->setFont(font);
    layout->addWidget(Editor);

    StatusBar = new QStatusBar;
    StatusBar->setObjectName("StatusBar");
    StatusBar->setSizeGripEnabled(false);
    const int widths[3] = {120, 80, 150};
    const char* starts[3] = {"Line", "", ""};
    for (int i = 0; i < 3; ++i) {
        panels_[i] = new QLabel(starts[i]);
        panels_[i]->setObjectName(QString("Panel%1").arg(i));
        panels_[i]->setFixedWidth(widths[i]);
        StatusBar->addWidget(panels_[i]);
    }
    layout->addWidget(StatusBar);
    setWidget(body);
    assist_ = new ScriptAssist(Editor, panels_[2]);
    resize(520, 320);

    connect(Editor, &QPlainTextEdit::cursorPositionChanged, this, &TMDIChild::SelectionChange);
    connect(Editor, &QPlainTextEdit::selectionChanged, this, &TMDIChild::SelectionChange);
    connect(Editor->document(), &QTextDocument::modificationChanged, this,
            &TMDIChild::RichEditChange);
}

void TMDIChild::SetSession(const Session* session) {
    assist_->SetSession(session);
}

void TMDIChild::SetCaption() {
    setWindowTitle(QString("%1").arg(QFileInfo(FileName).fileName()));
}

void TMDIChild::NewDocument() {
    FileName = kUntitled;
    setWindowTitle(kUntitled);
    Editor->clear();
    Editor->document()->setModified(false);
    panels_[1]->clear();
    SelectionChange();
}

bool TMDIChild::LoadDocument(const QString& path) {
    const FileReadResult file = ReadWholeFile(path);
    if (file.status != FileStatus::Ok) {
        op_.showBox(BoxKind::Error, "Cannot open file " + path + ".\r" + ReadProblemText(file));
        NewDocument();
        return false;
    }
    SetLines(SplitScriptText(file.bytes));
    FileName = path;
    SetCaption();
    Editor->setFocus();
    Editor->document()->setModified(false);
    panels_[1]->clear();
    SelectionChange();
    return true;
}

bool TMDIChild::OpenDocument(const QString& path, bool readOnly) {
    if (QFileInfo::exists(path) || QFileInfo(path).isSymLink()) {
        if (!LoadDocument(path))
            return false;
        Editor->setReadOnly(readOnly);
        return true;
    }
    NewNamedDocument(path);
    return true;
}

void TMDIChild::NewNamedDocument(const QString& path) {
    NewDocument();
    FileName = path;
    SetCaption();
}

bool TMDIChild::WriteText(const QString& path, bool reportErrors) {
    const QString problem = WriteWholeFile(path, JoinScriptLines(Lines()));
    if (problem.isEmpty())
        return true;
    if (reportErrors)
        op_.showBox(BoxKind::Error, "Cannot write file " + path + ".\r" + problem);
    return false;
}

bool TMDIChild::SaveDocument() {
    if (FileName == kUntitled)
        return SaveDocumentAs();
    if (!WriteText(FileName, true))
        return false;
    WriteText(kSaveCopyName, true);
    Editor->document()->setModified(false);
    panels_[1]->clear();
    return true;
}

bool TMDIChild::SaveDocumentAs() {
    FileRequest request;
    request.save = true;
    request.filter = kScriptFilter;
    request.defaultSuffix = "epf";
    FileChoice choice = op_.chooseFile(request);
    if (!choice.accepted || choice.fileName.isEmpty())
        return false;
    const QString name = WithFilterExtension(choice.fileName, choice.filterIndex);
    if (QFileInfo::exists(name) && op_.confirm("OK to overwrite " + name) != Answer::Yes)
        return false;
    if (!WriteText(name, true))
        return false;
    FileName = name;
    SetCaption();
    Editor->document()->setModified(false);
    panels_[1]->clear();
    return true;
}

bool TMDIChild::FormCloseQuery() {
    if (!Editor->document()->isModified())
        return true;
    switch (op_.confirm("Save changes to " + FileName + "?")) {
    case Answer::Yes:
        return SaveDocument();
    case Answer::No:
        return true;
    case Answer::Cancel:
        break;
    }
    return false;
}

void TMDIChild::closeEvent(QCloseEvent* event) {
    if (!closeApproved_ && !FormCloseQuery()) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}

std::vector<std::string> TMDIChild::Lines() const {
    std::vector<std::string> lines;
    const QTextDocument* doc = Editor->document();
    if (doc->isEmpty())
        return lines;
    lines.reserve(static_cast<std::size_t>(doc->blockCount()));
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
        lines.push_back(b.text().toLatin1().toStdString());
    return lines;
}

void TMDIChild::SetLines(const std::vector<std::string>& lines) {
    QByteArray joined;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i)
            joined += '\n';
        joined.append(lines[i].data(), static_cast<qsizetype>(lines[i].size()));
    }
    Editor->setPlainText(QString::fromLatin1(joined));
}

QString TMDIChild::PanelText(int panel) const {
    return (panel >= 0 && panel < 3) ? panels_[panel]->text() : QString();
}

int TMDIChild::CaretOffset() const {
    return Editor->textCursor().selectionStart();
}

void TMDIChild::SetCaretOffset(int offset) {
    QTextCursor c = Editor->textCursor();
    c.setPosition(std::clamp(offset, 0, Editor->document()->characterCount() - 1));
    Editor->setTextCursor(c);
}

bool TMDIChild::IsModified() const {
    return Editor->document()->isModified();
}

void TMDIChild::SelectionChange() {
    const int s = Editor->textCursor().selectionStart();
    const QTextBlock block = Editor->document()->findBlock(s);
    const int line = block.isValid() ? block.blockNumber() : 0;
    const int col = block.isValid() ? s - block.position() : 0;
    panels_[0]->setText(QString::asprintf("Line: %3d   Col: %3d", line + 1, col + 1));
}

void TMDIChild::RichEditChange() {
    panels_[1]->setText(Editor->document()->isModified() ? "Modified" : "");
}

} // namespace orvant
