#include "widgets/dialog_buttons.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

namespace orvant {

QHBoxLayout* OkCancelRow(QDialog& dialog, QPushButton*& ok, QPushButton*& cancel) {
    ok = new QPushButton("OK", &dialog);
    ok->setObjectName("OKBtn");
    ok->setDefault(true);
    cancel = new QPushButton("Cancel", &dialog);
    cancel->setObjectName("CancelBtn");
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    return row;
}

} // namespace orvant
