#pragma once
// An editor document: one script file open in its own child window of the workspace.

#include <QMdiSubWindow>
#include <QString>

#include <string>
#include <vector>

class QLabel;
class QPlainTextEdit;
class QStatusBar;

namespace orvant {

class Operator;
class ScriptAssist;
class Session;

inline constexpr char kUntitled[] = "Untitled";
inline constexpr char kScriptFilter[] =
    "Tavrix Script File (*.TSF)|*.TSF|Text files (*.txt)|*.TXT|All files (*.*)|*.*";
inline constexpr char kSaveCopyName[] = "test_soub.txt";

// Appends ".TSF" (filter 1) or ".txt" (filter 2) to a chosen name without extension
// (no dot in its file-name part).
QString WithFilterExtension(const QString& fileName, int filterIndex);

class TMDIChild : public QMdiSubWindow {
    Q_OBJECT
public:
    explicit TMDIChild(Operator& op, QWidget* parent = nullptr);

    QString FileName = kUntitled; // full path, or "Untitled" for a never-saved document
    QPlainTextEdit* Editor = nullptr;
    QStatusBar* StatusBar = nullptr;

    void NewDocument();
    // False when the file could not be read (reported; the document is left new).
    bool LoadDocument(const QString& path);
    // False when a file of that name exists but could not be read (reported; the document
    // is left new and without a name).
    bool OpenDocument(const QString& path, bool readOnly);
    // An empty, unmodified document that a later Save writes to `path`.
    void NewNamedDocument(const QString& path);
    // True when the text reached its file; false when cancelled, refused or failed.
    bool SaveDocument();
    bool SaveDocumentAs();
    // Asks whether the window may close; saves on Yes. A save that does not complete
    // refuses the close so that no text is lost.
    bool FormCloseQuery();

    // The editor's lines, single-byte text without line ends, empty lines included.
    std::vector<std::string> Lines() const;
    void SetLines(const std::vector<std::string>& lines);
    QString PanelText(int panel) const;
    int CaretOffset() const;
    void SetCaretOffset(int offset);
    bool IsModified() const;

    // Colouring, live check and memory gauge of this document.
    ScriptAssist* Assist() const { return assist_; }
    // The live session that the document's check starts from.
    void SetSession(const Session* session);

    // Set by a main-window shut-down that has already asked this document.
    void SetCloseApproved(bool approved) { closeApproved_ = approved; }

public slots:
    void SelectionChange();
    void RichEditChange();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool WriteText(const QString& path, bool reportErrors);
    void SetCaption();

    Operator& op_;
    QLabel* panels_[3] = {};
    ScriptAssist* assist_ = nullptr;
    bool closeApproved_ = false;
};

} // namespace orvant
