#pragma once
// A titled group of radio buttons, one per item, with the selected item as the
// `currentIndex` property (-1 when none is selected). The items fill the columns top to
// bottom, one column after the other.

#include <QGroupBox>
#include <QStringList>

class QAbstractButton;
class QButtonGroup;
class QGridLayout;

namespace orvant {

class RadioGroup : public QGroupBox {
    Q_OBJECT
    Q_PROPERTY(int currentIndex READ currentIndex WRITE setCurrentIndex)
public:
    explicit RadioGroup(const QString& title, QWidget* parent = nullptr);

    // Replaces the item captions; the selection keeps its index when it still exists.
    void setItems(const QStringList& items);
    QStringList items() const;
    int currentIndex() const;
    void setCurrentIndex(int index);
    // Lays the items out in `columns` columns (at least 1), filled top to bottom, then left
    // to right.
    void setColumns(int columns);
    // The button of the selected item, or the first one; null without items.
    QAbstractButton* currentButton() const;

private:
    QButtonGroup* buttons_;
    void relayout();

    QGridLayout* layout_;
    int columns_ = 1;
};

} // namespace orvant
