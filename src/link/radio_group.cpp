#include "radio_group.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

namespace orvant {

RadioGroup::RadioGroup(const QString& title, QWidget* parent)
    : QGroupBox(title, parent), buttons_(new QButtonGroup(this)), layout_(new QGridLayout(this)) {
    buttons_->setExclusive(true);
}

void RadioGroup::setItems(const QStringList& items) {
    const int selected = currentIndex();
    const auto existing = buttons_->buttons();
    for (int i = 0; i < items.size(); ++i) {
        if (QAbstractButton* b = buttons_->button(i)) {
            b->setText(items[i]);
            continue;
        }
        auto* b = new QRadioButton(items[i], this);
        b->setObjectName(objectName() + QString::number(i));
        buttons_->addButton(b, i);
    }
    for (int i = static_cast<int>(items.size()); i < existing.size(); ++i) {
        QAbstractButton* b = buttons_->button(i);
        buttons_->removeButton(b);
        delete b;
    }
    arrange();
    if (selected < items.size())
        setCurrentIndex(selected);
}

void RadioGroup::setColumns(int columns) {
    columns_ = columns > 0 ? columns : 1;
    arrange();
}

void RadioGroup::arrange() {
    const auto count = static_cast<int>(buttons_->buttons().size());
    const int perColumn = (count + columns_ - 1) / columns_;
    for (int i = 0; i < count; ++i) {
        QAbstractButton* b = buttons_->button(i);
        layout_->removeWidget(b);
        layout_->addWidget(b, i % perColumn, i / perColumn);
    }
}

QStringList RadioGroup::items() const {
    QStringList out;
    for (int i = 0; QAbstractButton* b = buttons_->button(i); ++i)
        out << b->text();
    return out;
}

int RadioGroup::currentIndex() const {
    return buttons_->checkedId();
}

void RadioGroup::setCurrentIndex(int index) {
    if (QAbstractButton* b = buttons_->button(index)) {
        b->setChecked(true);
        return;
    }
    // No item: clear the selection.
    if (QAbstractButton* checked = buttons_->checkedButton()) {
        buttons_->setExclusive(false);
        checked->setChecked(false);
        buttons_->setExclusive(true);
    }
}

} // namespace orvant
