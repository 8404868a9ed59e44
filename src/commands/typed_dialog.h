#pragma once
// The typed program-structure dialogs (Loop, If, Wait): a command dialog with one masked
// entry field whose text, blanks included, follows the command prefix. The dialog lives for
// its whole command and keeps the field's text from one showing to the next.

#include "commands/command_dialog.h"

#include <string>

namespace orvant {

class MaskedEdit;
struct CommandContext;

class TypedDialog : public CommandDialog {
public:
    TypedDialog(const QString& objectName, const QString& title, int helpContext,
                QWidget* parent = nullptr);

    // The field's text, blanks included, in the single-byte character set of the lines.
    std::string EntryText() const;

    MaskedEdit* MaskEdit1;

protected:
    // The masked field under a caption whose "&" accelerator focuses it.
    void AddEntryField(const QString& caption, const QString& mask, const QString& initial);
};

// Shows the dialog until a line of `prefix` and the field's text passes the check and is
// sent, or the operator cancels; a refused line brings the error and the dialog again with
// the text kept. True when a line was sent.
bool RunTypedDialog(CommandContext& context, TypedDialog& dialog, char prefix);

} // namespace orvant
