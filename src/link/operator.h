#pragma once
// The operator seam: every modal interaction with the person at the workbench goes through
// one Operator. The application implements it with message boxes, file, font and printer
// dialogs and the desktop's sounds; tests implement it with a recorder that answers from a
// script, so that whole command flows run headless.

#include <QString>

class QDialog;
class QFont;
class QPrinter;

namespace orvant {

enum class BoxKind {
    Information, // result boxes ("Check is OK - 0 ERRORS ...")
    Warning,     // "COM port not initiated. ..."
    Error,       // refused input, one OK button
    Plain,       // plain message box without an icon
};

enum class Sound { Default, CriticalStop };

enum class Answer { Yes, No, Cancel };

// A file dialog request. `filter` uses the script-file form "Name|*.X|Name|*.Y|...".
struct FileRequest {
    bool save = false;
    QString caption;
    QString filter;
    QString defaultSuffix; // without the dot, e.g. "epf"
    QString directory;
    QString fileName;
    int helpContext = 0;
};

// What the operator chose. filterIndex counts from 1 like the filter entries.
struct FileChoice {
    bool accepted = false;
    QString fileName;
    int filterIndex = 1;
    bool readOnly = false;
};

class Operator {
public:
    virtual ~Operator() = default;

    // A modal box with one OK button. "\r" in `text` is a line break.
    virtual void showBox(BoxKind kind, const QString& text) = 0;
    // The same box with a detail the operator may unfold, such as the system's reason for a
    // failure. Operators without a place for details show the box alone.
    virtual void showBoxWithDetail(BoxKind kind, const QString& text, const QString& detail) {
        (void)detail;
        showBox(kind, text);
    }
    // A confirmation with Yes, No and Cancel.
    virtual Answer confirm(const QString& text) = 0;
    virtual void playSound(Sound sound) = 0;
    virtual FileChoice chooseFile(const FileRequest& request) = 0;
    // Runs a dialog modally; true when the operator accepted it.
    virtual bool runDialog(QDialog& dialog) = 0;
    // Font dialog starting at `font`; on OK `font` holds the choice.
    virtual bool chooseFont(QFont& font, int helpContext) = 0;
    // Printer dialog; false when cancelled.
    virtual bool setUpPrinter(QPrinter& printer) = 0;
};

} // namespace orvant
