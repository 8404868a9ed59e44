#pragma once
// The application's operator: message boxes, file, font and printer dialogs, the desktop's
// sounds and modal dialogs, shown over the main window.

#include "link/operator.h"

#include <QPointer>
#include <QWidget>

namespace orvant {

// "Name|*.X|Name|*.Y" → the file dialog's name filters ("Name", "Name", ...).
QStringList NameFilters(const QString& filter);

class AppOperator : public Operator {
public:
    void setParentWidget(QWidget* parent) { parent_ = parent; }

    void showBox(BoxKind kind, const QString& text) override;
    void showBoxWithDetail(BoxKind kind, const QString& text, const QString& detail) override;
    Answer confirm(const QString& text) override;
    void playSound(Sound sound) override;
    FileChoice chooseFile(const FileRequest& request) override;
    bool runDialog(QDialog& dialog) override;
    bool chooseFont(QFont& font, int helpContext) override;
    bool setUpPrinter(QPrinter& printer) override;

private:
    QPointer<QWidget> parent_;
};

} // namespace orvant
