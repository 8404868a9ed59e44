#pragma once
// The common frame of the small command dialogs: a title and help context, rows of static
// texts, radio groups and entry fields, and "OK" (default) and "Cancel" at the bottom. It
// opens centred on the screen with a fixed size and its first control focused (for a radio
// group its selected item), so that the arrow keys choose, the item accelerators
// (Alt+digit or letter) pick, Enter confirms and Esc cancels.

#include "link/radio_group.h"

#include <QDialog>
#include <QList>
#include <QStringList>

class QBoxLayout;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QVBoxLayout;

namespace orvant {

class CommandDialog : public QDialog {
    Q_OBJECT
public:
    CommandDialog(const QString& objectName, const QString& title, int helpContext,
                  QWidget* parent = nullptr);

    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

protected:
    // A line of static text in the body.
    QLabel* AddText(const QString& text);
    // A radio group named `name` with `items` in `columns`, its item `preselected` chosen.
    // Groups added with sameRow = true stand beside the previous group instead of below it.
    RadioGroup* AddGroup(const QString& name, const QString& title, const QStringList& items,
                         int columns = 1, int preselected = 0, bool sameRow = false);
    // Any other control, below the previous one or (sameRow) beside it; the first control
    // added takes the focus when the dialog opens.
    void AddControl(QWidget* control, bool sameRow = false);
    // The widget that takes the focus when the dialog opens; the first control added by default.
    void SetFirstControl(QWidget* control) { first_ = control; }

    void showEvent(QShowEvent* event) override;

private:
    QVBoxLayout* body_;
    QHBoxLayout* row_ = nullptr;
    QWidget* first_ = nullptr;
};

// Items "<prefix><first>" to "<prefix><last>", for example "Address no. &1" to "... &9".
QStringList NumberedItems(const QString& prefix, int first, int last);

} // namespace orvant
