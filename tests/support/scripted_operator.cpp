#include "scripted_operator.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPrinter>
#include <QSpinBox>
#include <QtGlobal>

namespace orvant::test {

namespace {
[[noreturn]] void unscripted(const QString& what) {
    qFatal("ScriptedOperator: the test did not script %s", qPrintable(what));
}
} // namespace

QString ScriptedOperator::kindName(BoxKind kind) {
    switch (kind) {
    case BoxKind::Information:
        return "Information";
    case BoxKind::Warning:
        return "Warning";
    case BoxKind::Error:
        return "Error";
    case BoxKind::Plain:
        break;
    }
    return "Message";
}

QStringList ScriptedOperator::boxes() const {
    QStringList out;
    for (const QString& e : events)
        if (e.startsWith("Information: ") || e.startsWith("Warning: ") || e.startsWith("Error: ") ||
            e.startsWith("Message: "))
            out << e;
    return out;
}

void ScriptedOperator::showBox(BoxKind kind, const QString& text) {
    events << kindName(kind) + ": " + text;
}

Answer ScriptedOperator::confirm(const QString& text) {
    events << "Confirm: " + text;
    if (answers.empty())
        unscripted("the question \"" + text + "\"");
    Answer a = answers.front();
    answers.pop_front();
    return a;
}

void ScriptedOperator::playSound(Sound sound) {
    events << (sound == Sound::Default ? QString("Sound: Default")
                                       : QString("Sound: CriticalStop"));
}

FileChoice ScriptedOperator::chooseFile(const FileRequest& request) {
    events << (request.save ? QString("File: Save") : QString("File: Open"));
    if (files.empty())
        unscripted("a file dialog");
    FileChoice c = files.front();
    files.pop_front();
    return c;
}

bool ScriptedOperator::runDialog(QDialog& dialog) {
    events << "Dialog: " + dialog.objectName();
    if (dialogs.empty())
        unscripted("the dialog " + dialog.objectName());
    auto step = std::move(dialogs.front());
    dialogs.pop_front();
    bool accepted = step(dialog);
    dialog.setResult(accepted ? QDialog::Accepted : QDialog::Rejected);
    return accepted;
}

bool ScriptedOperator::chooseFont(QFont& font, int) {
    events << "Font";
    if (fonts.empty())
        unscripted("a font dialog");
    auto f = fonts.front();
    fonts.pop_front();
    if (!f)
        return false;
    font = *f;
    return true;
}

bool ScriptedOperator::setUpPrinter(QPrinter& printer) {
    events << "Printer";
    if (printers.empty())
        unscripted("a printer dialog");
    auto step = std::move(printers.front());
    printers.pop_front();
    return step(printer);
}

void ScriptedOperator::setControls(QObject& root, const std::map<QString, QVariant>& values) {
    for (const auto& [name, value] : values) {
        QObject* o = root.findChild<QObject*>(name);
        if (!o)
            qFatal("ScriptedOperator: no control named %s", qPrintable(name));
        if (auto* e = qobject_cast<QLineEdit*>(o)) {
            e->setText(value.toString());
        } else if (auto* b = qobject_cast<QAbstractButton*>(o)) {
            if (b->isCheckable()) {
                if (b->isChecked() != value.toBool())
                    b->click();
            } else if (value.toBool()) {
                b->click();
            }
        } else if (auto* c = qobject_cast<QComboBox*>(o)) {
            if (value.typeId() == QMetaType::QString)
                c->setCurrentText(value.toString());
            else
                c->setCurrentIndex(value.toInt());
        } else if (auto* s = qobject_cast<QSpinBox*>(o)) {
            s->setValue(value.toInt());
        } else if (!o->setProperty("currentIndex", value) && !o->setProperty("value", value)) {
            qFatal("ScriptedOperator: cannot set control %s", qPrintable(name));
        }
    }
}

std::function<bool(QDialog&)> ScriptedOperator::fill(std::map<QString, QVariant> values,
                                                     bool accept) {
    return [values = std::move(values), accept](QDialog& d) {
        setControls(d, values);
        return accept;
    };
}

} // namespace orvant::test
