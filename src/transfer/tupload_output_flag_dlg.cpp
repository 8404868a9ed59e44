#include "transfer/tupload_output_flag_dlg.h"

#include "language/readback_texts.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvant {

TUploadOutputFlagDlg::TUploadOutputFlagDlg(const std::array<std::string, 8>& lines, QWidget* parent)
    : QDialog(parent) {
    setObjectName("TUploadOutputFlagDlg");
    setWindowTitle("Dialog");
    setProperty("helpContext", kUploadHelpContext);

    auto* main = new QVBoxLayout(this);
    for (std::size_t k = 0; k < lines.size(); ++k) {
        auto* label = new QLabel(
            QString::fromLatin1(lines[k].data(), static_cast<qsizetype>(lines[k].size())), this);
        label->setObjectName(QString("FlagLine%1").arg(k));
        label->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
        FlagLines[k] = label;
        main->addWidget(label);
    }
    OKBtn = new QPushButton("OK", this);
    OKBtn->setObjectName("OKBtn");
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addStretch();
    main->addLayout(buttons);
    OKBtn->setFocus();
}

} // namespace orvant
