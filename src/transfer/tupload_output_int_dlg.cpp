#include "transfer/tupload_output_int_dlg.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvant {

namespace {

QString Latin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QLineEdit* Field(const char* name, const std::string& text, QWidget* parent) {
    auto* field = new QLineEdit(Latin1(text), parent);
    field->setObjectName(name);
    field->setReadOnly(true);
    // Fixed pitch, so that the aligned columns and the bit numbers line up.
    field->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // Wide enough for the longest text, the position with its full steps (35 characters),
    // so that nothing of a value is scrolled out of sight.
    field->setMinimumWidth(field->fontMetrics().horizontalAdvance(QString(36, '0')) + 12);
    return field;
}

} // namespace

TUploadOutputIntDlg::TUploadOutputIntDlg(const ValueBoxTexts& texts, QWidget* parent)
    : QDialog(parent) {
    setObjectName("TUploadOutputIntDlg");
    setWindowTitle("Upload output box");
    setProperty("helpContext", kUploadHelpContext);

    NameVariable = Field("NameVariable", texts.name, this);
    OutputDec = Field("OutputDec", texts.dec, this);
    OutputHex = Field("OutputHex", texts.hex, this);
    OutputBin = Field("OutputBin", texts.bin, this);
    LabelHex = new QLabel(Latin1(texts.hexLabel), this);
    LabelHex->setObjectName("LabelHex");
    LabelBin = new QLabel(Latin1(texts.binLabel), this);
    LabelBin->setObjectName("LabelBin");
    LabelBin->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    OKBtn = new QPushButton("OK", this);
    OKBtn->setObjectName("OKBtn");
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel("Variable:", this), 0, 0);
    grid->addWidget(NameVariable, 0, 1);
    grid->addWidget(new QLabel("Decady:", this), 1, 0);
    grid->addWidget(OutputDec, 1, 1);
    grid->addWidget(LabelHex, 2, 0);
    grid->addWidget(OutputHex, 2, 1);
    grid->addWidget(LabelBin, 3, 1);
    grid->addWidget(new QLabel("Binary", this), 4, 0);
    grid->addWidget(OutputBin, 4, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addStretch();
    auto* main = new QVBoxLayout(this);
    main->addLayout(grid);
    main->addLayout(buttons);
    OKBtn->setFocus();
}

} // namespace orvant
