#include "commands/command_dialog.h"

#include "widgets/dialog_buttons.h"
#include "widgets/dialog_placement.h"

#include <QAbstractButton>
#include <QHBoxLayout>
#include <QLabel>
#include <QShowEvent>
#include <QVBoxLayout>

namespace orvant {

CommandDialog::CommandDialog(const QString& objectName, const QString& title, int helpContext,
                             QWidget* parent)
    : QDialog(parent), body_(new QVBoxLayout) {
    setObjectName(objectName);
    setWindowTitle(title);
    setProperty("helpContext", helpContext);

    QHBoxLayout* buttons = OkCancelRow(*this, OKBtn, CancelBtn);

    auto* main = new QVBoxLayout(this);
    main->addLayout(body_);
    main->addSpacing(6);
    main->addLayout(buttons);
    FixBorder(*this);
}

QLabel* CommandDialog::AddText(const QString& text) {
    auto* label = new QLabel(text, this);
    body_->addWidget(label);
    row_ = nullptr;
    return label;
}

RadioGroup* CommandDialog::AddGroup(const QString& name, const QString& title,
                                    const QStringList& items, int columns, int preselected,
                                    bool sameRow) {
    auto* group = new RadioGroup(title, this);
    group->setObjectName(name);
    group->setItems(items);
    group->setColumns(columns);
    // A preselection beyond the last item selects the last item.
    group->setCurrentIndex(preselected >= items.size() ? static_cast<int>(items.size()) - 1
                                                       : preselected);
    AddControl(group, sameRow);
    return group;
}

void CommandDialog::AddControl(QWidget* control, bool sameRow) {
    if (!sameRow || !row_) {
        row_ = new QHBoxLayout;
        row_->setAlignment(Qt::AlignTop);
        body_->addLayout(row_);
    }
    row_->addWidget(control, 0, Qt::AlignTop);
    if (!first_)
        first_ = control;
}

void CommandDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOnScreen(*this);
    QWidget* focus = first_;
    if (auto* group = qobject_cast<RadioGroup*>(first_))
        focus = group->currentButton();
    if (focus)
        focus->setFocus(Qt::OtherFocusReason);
}

QStringList NumberedItems(const QString& prefix, int first, int last) {
    QStringList items;
    for (int i = first; i <= last; ++i)
        items << prefix + QString::number(i);
    return items;
}

} // namespace orvant
