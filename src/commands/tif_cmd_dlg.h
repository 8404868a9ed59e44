#pragma once
// If: transfers program control to a label when an input has a level. The five-character
// field (input, L or H, label) must be filled before the dialog closes with OK.

#include "commands/typed_dialog.h"

class QLabel;

namespace orvant {

class Operator;

class TIfCmdDlg : public TypedDialog {
    Q_OBJECT
public:
    explicit TIfCmdDlg(Operator& op, QWidget* parent = nullptr);

    // Shown under the field while OK is refused for an incomplete entry.
    QLabel* HintLabel;

    static constexpr const char* kIncompleteHint =
        "Enter all five characters: input 01..87, L or H, label 01..80";

public slots:
    void accept() override;

private:
    Operator& op_;
};

} // namespace orvant
