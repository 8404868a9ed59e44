#include "workspace/app_operator.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QLayout>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace orvant {

namespace {
QString Displayed(QString text) {
    return text.replace('\r', '\n');
}
} // namespace

QStringList NameFilters(const QString& filter) {
    const QStringList parts = filter.split('|');
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        out << parts[i];
    return out;
}

void AppOperator::showBox(BoxKind kind, const QString& text) {
    showBoxWithDetail(kind, text, QString());
}

void AppOperator::showBoxWithDetail(BoxKind kind, const QString& text, const QString& detail) {
    QMessageBox box(parent_);
    box.setWindowTitle(QApplication::applicationDisplayName());
    box.setText(Displayed(text));
    switch (kind) {
    case BoxKind::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case BoxKind::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case BoxKind::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    case BoxKind::Plain:
        box.setIcon(QMessageBox::NoIcon);
        break;
    }
    box.setStandardButtons(QMessageBox::Ok);
    // Shown folded behind the box's "Show Details..." button.
    if (!detail.isEmpty())
        box.setDetailedText(Displayed(detail));
    box.exec();
}

Answer AppOperator::confirm(const QString& text) {
    QMessageBox box(parent_);
    box.setWindowTitle(QApplication::applicationDisplayName());
    box.setIcon(QMessageBox::Question);
    box.setText(Displayed(text));
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Yes);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

void AppOperator::playSound(Sound) {
    QApplication::beep();
}

FileChoice AppOperator::chooseFile(const FileRequest& request) {
    QFileDialog dialog(parent_, request.caption, request.directory);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The program asks "OK to overwrite" itself and applies its own extension rule.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    const QStringList filters = NameFilters(request.filter);
    if (!filters.isEmpty())
        dialog.setNameFilters(filters);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    QCheckBox* readOnly = nullptr;
    if (!request.save) {
        // The open dialog's read-only option.
        readOnly = new QCheckBox("Open as &read-only", &dialog);
        readOnly->setObjectName("ReadOnly");
        if (auto* layout = dialog.layout())
            layout->addWidget(readOnly);
    }
    FileChoice choice;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return choice;
    choice.accepted = true;
    choice.fileName = dialog.selectedFiles().first();
    choice.filterIndex = static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1;
    if (choice.filterIndex < 1)
        choice.filterIndex = 1;
    choice.readOnly = readOnly && readOnly->isChecked();
    return choice;
}

bool AppOperator::runDialog(QDialog& dialog) {
    return dialog.exec() == QDialog::Accepted;
}

bool AppOperator::chooseFont(QFont& font, int helpContext) {
    QFontDialog dialog(font, parent_);
    dialog.setProperty("helpContext", helpContext);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    font = dialog.selectedFont();
    return true;
}

bool AppOperator::setUpPrinter(QPrinter& printer) {
    QPrintDialog dialog(&printer, parent_);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace orvant
