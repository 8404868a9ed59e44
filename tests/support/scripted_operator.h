#pragma once
// A test Operator: records every box, question, sound and dialog in order and answers from
// a script. Anything the test did not script aborts the test with a clear message.

#include "link/operator.h"

#include <QFont>
#include <QStringList>
#include <QVariant>

#include <deque>
#include <functional>
#include <map>
#include <optional>

namespace orvant::test {

class ScriptedOperator : public Operator {
public:
    // Everything that happened, one entry each, for example
    //   "Error: Number Out Of Range", "Sound: CriticalStop", "Confirm: OK to overwrite /x",
    //   "File: Save", "Dialog: TSetSerialDlg", "Font", "Printer".
    QStringList events;

    std::deque<Answer> answers;                          // for confirm()
    std::deque<FileChoice> files;                        // for chooseFile()
    std::deque<std::function<bool(QDialog&)>> dialogs;   // for runDialog()
    std::deque<std::optional<QFont>> fonts;              // for chooseFont(); nullopt cancels
    std::deque<std::function<bool(QPrinter&)>> printers; // for setUpPrinter()

    // Only the boxes (kind and text), in order, without sounds and other events.
    QStringList boxes() const;

    // A dialog script step that sets the named controls (objectName) and then accepts
    // (accept = true) or rejects the dialog. Values: QString for line edits and combo
    // box texts, bool for check and radio buttons, int for spin boxes, combo box indices
    // and the checked id of a QButtonGroup-like radio group widget.
    static std::function<bool(QDialog&)> fill(std::map<QString, QVariant> values,
                                              bool accept = true);
    // Sets the named controls of any widget tree; aborts when a name is not found.
    static void setControls(QObject& root, const std::map<QString, QVariant>& values);

    void showBox(BoxKind kind, const QString& text) override;
    Answer confirm(const QString& text) override;
    void playSound(Sound sound) override;
    FileChoice chooseFile(const FileRequest& request) override;
    bool runDialog(QDialog& dialog) override;
    bool chooseFont(QFont& font, int helpContext) override;
    bool setUpPrinter(QPrinter& printer) override;

    static QString kindName(BoxKind kind);
};

} // namespace orvant::test
