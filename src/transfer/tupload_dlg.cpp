#include "transfer/tupload_dlg.h"

#include "language/readback_texts.h"
#include "link/radio_group.h"
#include "widgets/dialog_buttons.h"

#include <QAbstractButton>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

namespace orvant {

TUploadDlg::TUploadDlg(QWidget* parent) : QDialog(parent) {
    setObjectName("TUploadDlg");
    setWindowTitle("   Upload Dialog");
    setProperty("helpContext", kUploadHelpContext);

    QStringList captions;
    for (const UploadItem& item : UploadItems())
        captions << QString::fromLatin1(item.caption.data(),
                                        static_cast<qsizetype>(item.caption.size()));
    UploadGroup = new RadioGroup("&Upload", this);
    UploadGroup->setObjectName("UploadGroup");
    UploadGroup->setItems(captions);
    UploadGroup->setColumns(2);
    UploadGroup->setCurrentIndex(0);

    QHBoxLayout* buttons = OkCancelRow(*this, OKBtn, CancelBtn);

    auto* main = new QVBoxLayout(this);
    main->addWidget(UploadGroup);
    main->addLayout(buttons);

    // The selected item has the focus, so the arrow keys move the choice at once.
    if (auto* first = UploadGroup->findChild<QAbstractButton*>("UploadGroup0"))
        first->setFocus();
}

UploadChoice TUploadDlg::choices() const {
    return {UploadGroup->currentIndex()};
}

} // namespace orvant
