#pragma once
// A titled group of radio buttons, one per item, with the selected item as the
// `currentIndex` property (-1 when none is selected).

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QVBoxLayout;

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

private:
    QButtonGroup* buttons_;
    QVBoxLayout* layout_;
};

} // namespace orvant
