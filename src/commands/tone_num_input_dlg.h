#pragma once
// The one-number entry dialog and OneNumCommand, the entry loop behind most parameter
// commands: show the dialog with the remembered text, keep what the field held, build the
// line from the prefix and the field, and check and send it; a refused line brings the
// dialog back with the refused text.

#include <QDialog>

#include <string>

class QLabel;
class QPushButton;

namespace orvant {

class MaskedEdit;
struct CommandContext;
struct OneNumberRow;

// Controls carry object names for scripted operators: Label1 (description), Label2
// ("Enter number:"), Label3 ("Range:"), Label4 (range text), MaskEdit1 (the entry field,
// "text" property), OKBtn, CancelBtn.
class TOneNumInputDlg : public QDialog {
    Q_OBJECT
public:
    explicit TOneNumInputDlg(QWidget* parent = nullptr);

    // The range text with "\r" line breaks.
    void SetRangeText(const QString& text);
    // The entry field's text, blanks included.
    QString EntryText() const;

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    MaskedEdit* MaskEdit1;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

protected:
    void showEvent(QShowEvent* event) override;
};

// What a one-number entry shows and sends.
struct OneNumberEntry {
    std::string description;
    std::string rangeText;
    std::string title;
    char prefix = 0;
    std::string mask;
    int helpContext = 0;
};

OneNumberEntry EntryOf(const OneNumberRow& row);

// Runs the entry until a line is sent (true) or the operator cancels (false).
// `rememberedText` is what the field shows first and takes what it held at every close.
bool OneNumCommand(CommandContext& context, const OneNumberEntry& entry,
                   std::string& rememberedText);

} // namespace orvant
