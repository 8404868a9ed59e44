#pragma once
// A titled group of radio buttons, one per item, with the selected item as the
// `currentIndex` property (-1 when none is selected).

#include <QGroupBox>
#include <QStringList>

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
    // Lays the items out in `columns` columns, filled top to bottom, then left to right.
    void setColumns(int columns);
    int currentIndex() const;
    void setCurrentIndex(int index);

private:
    QButtonGroup* buttons_;
    QGridLayout* layout_;
    int columns_ = 1;

    void arrange();
};

} // namespace orvant
