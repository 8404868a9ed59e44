#pragma once
// A test Operator: records every box, question, sound and dialog in order and answers from
// a script. Anything the test did not script fails the running test with a clear message
// (the test program goes on) and is answered with Cancel.

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
    // The detail of every box shown with one, in order; its box is recorded in `events`
    // like any other.
    QStringList details;

    std::deque<Answer> answers;                          // for confirm()
    std::deque<FileChoice> files;                        // for chooseFile()
    std::deque<std::function<bool(QDialog&)>> dialogs;   // for runDialog()
    std::deque<std::optional<QFont>> fonts;              // for chooseFont(); nullopt cancels
    std::deque<std::function<bool(QPrinter&)>> printers; // for setUpPrinter()

    // Only the boxes (kind and text), in order, without sounds and other events.
    QStringList boxes() const;

    // A dialog script step that sets the named controls (objectName) and then presses the
    // dialog's real OK button (accept = true) or its Cancel button, so that the dialog's own
    // close checks and refusal boxes run. Values: QString for line edits, combo box texts and
    // widgets with a "text" property, bool for check and radio buttons, int for spin boxes,
    // combo box indices and the checked id of a radio group widget.
    // When the dialog refuses to close, it stays shown and the next step in `dialogs` is the
    // operator's next go at the same dialog.
    static std::function<bool(QDialog&)> fill(std::map<QString, QVariant> values,
                                              bool accept = true);
    // A step that only presses OK (or Cancel).
    static std::function<bool(QDialog&)> press(bool accept = true);
    // Sets the named controls of any widget tree; fails the test when a name is not found.
    static void setControls(QObject& root, const std::map<QString, QVariant>& values);
    // Clicks the dialog's OK (accept) or Cancel button: a QDialogButtonBox's button of that
    // role, or a push button captioned "OK" / "Cancel" (accelerator marks ignored). Fails the
    // test when the dialog has no such button. True when the dialog closed with that click.
    static bool pressButton(QDialog& dialog, bool accept);

    void showBox(BoxKind kind, const QString& text) override;
    void showBoxWithDetail(BoxKind kind, const QString& text, const QString& detail) override;
    Answer confirm(const QString& text) override;
    void playSound(Sound sound) override;
    FileChoice chooseFile(const FileRequest& request) override;
    bool runDialog(QDialog& dialog) override;
    bool chooseFont(QFont& font, int helpContext) override;
    bool setUpPrinter(QPrinter& printer) override;

    static QString kindName(BoxKind kind);
};

} // namespace orvant::test
