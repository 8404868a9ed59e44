#include "widgets/dialog_placement.h"

#include <QLayout>
#include <QScreen>
#include <QWidget>

namespace orvant {

void CentreOnScreen(QWidget& window) {
    if (QScreen* s = window.screen())
        window.move(s->availableGeometry().center() -
                    QPoint(window.width() / 2, window.height() / 2));
}

void FixBorder(QWidget& dialog) {
    if (QLayout* layout = dialog.layout())
        layout->setSizeConstraint(QLayout::SetFixedSize);
    dialog.setWindowFlag(Qt::MSWindowsFixedSizeDialogHint, true);
}

} // namespace orvant
