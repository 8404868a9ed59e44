#include "scripted_operator.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>

#include <gtest/gtest.h>

namespace orvant::test {

namespace {

// Counts the button presses of the scripted steps, so that runDialog can tell a step that
// pressed a button (and the dialog refused to close) from one that only answered.
int g_buttonPresses = 0;

void unscripted(const QString& what) {
    ADD_FAILURE() << "ScriptedOperator: the test did not script " << what.toStdString();
}

QString plainCaption(const QString& text) {
    QString t = text;
    t.remove('&');
    return t.trimmed();
}

QAbstractButton* findButton(QDialog& dialog, bool accept) {
    for (auto* box : dialog.findChildren<QDialogButtonBox*>()) {
        if (auto* b = box->button(accept ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel))
            return b;
        for (QAbstractButton* b : box->buttons()) {
            const auto role = box->buttonRole(b);
            if (accept ? role == QDialogButtonBox::AcceptRole
                       : role == QDialogButtonBox::RejectRole)
                return b;
        }
    }
    const QString caption = accept ? "OK" : "Cancel";
    for (auto* b : dialog.findChildren<QPushButton*>())
        if (plainCaption(b->text()).compare(caption, Qt::CaseInsensitive) == 0)
            return b;
    return nullptr;
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

void ScriptedOperator::showBoxWithDetail(BoxKind kind, const QString& text, const QString& detail) {
    showBox(kind, text);
    details << detail;
}

Answer ScriptedOperator::confirm(const QString& text) {
    events << "Confirm: " + text;
    if (answers.empty()) {
        unscripted("the question \"" + text + "\"");
        return Answer::Cancel;
    }
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
    if (files.empty()) {
        unscripted("a file dialog");
        return {};
    }
    FileChoice c = files.front();
    files.pop_front();
    return c;
}

bool ScriptedOperator::runDialog(QDialog& dialog) {
    events << "Dialog: " + dialog.objectName();
    // Shown like the real modal run shows it, so that its focus and its close checks work.
    dialog.setResult(QDialog::Rejected);
    dialog.show();
    for (;;) {
        if (dialogs.empty()) {
            unscripted("the dialog " + dialog.objectName());
            dialog.done(QDialog::Rejected);
            return false;
        }
        auto step = std::move(dialogs.front());
        dialogs.pop_front();
        const int pressesBefore = g_buttonPresses;
        const bool answer = step(dialog);
        if (!dialog.isVisible())
            return dialog.result() == QDialog::Accepted;
        if (g_buttonPresses == pressesBefore) {
            // A step that answered without pressing a button closes the dialog itself.
            dialog.done(answer ? QDialog::Accepted : QDialog::Rejected);
            return answer;
        }
        // The dialog refused to close: the next step is the operator's next go at it.
        events << "Dialog still open: " + dialog.objectName();
    }
}

bool ScriptedOperator::chooseFont(QFont& font, int) {
    events << "Font";
    if (fonts.empty()) {
        unscripted("a font dialog");
        return false;
    }
    auto f = fonts.front();
    fonts.pop_front();
    if (!f)
        return false;
    font = *f;
    return true;
}

bool ScriptedOperator::setUpPrinter(QPrinter& printer) {
    events << "Printer";
    if (printers.empty()) {
        unscripted("a printer dialog");
        return false;
    }
    auto step = std::move(printers.front());
    printers.pop_front();
    return step(printer);
}

void ScriptedOperator::setControls(QObject& root, const std::map<QString, QVariant>& values) {
    for (const auto& [name, value] : values) {
        QObject* o = root.findChild<QObject*>(name);
        if (!o) {
            ADD_FAILURE() << "ScriptedOperator: no control named " << name.toStdString();
            continue;
        }
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
        } else if (value.typeId() == QMetaType::QString &&
                   o->metaObject()->indexOfProperty("text") >= 0) {
            o->setProperty("text", value);
        } else if (!o->setProperty("currentIndex", value) && !o->setProperty("value", value)) {
            ADD_FAILURE() << "ScriptedOperator: cannot set control " << name.toStdString();
        }
    }
}

bool ScriptedOperator::pressButton(QDialog& dialog, bool accept) {
    ++g_buttonPresses;
    QAbstractButton* button = findButton(dialog, accept);
    if (!button) {
        ADD_FAILURE() << "ScriptedOperator: the dialog " << dialog.objectName().toStdString()
                      << " has no " << (accept ? "OK" : "Cancel") << " button";
        dialog.done(accept ? QDialog::Accepted : QDialog::Rejected);
        return true;
    }
    if (!button->isEnabled()) {
        ADD_FAILURE() << "ScriptedOperator: the " << (accept ? "OK" : "Cancel") << " button of "
                      << dialog.objectName().toStdString() << " is disabled";
        return false;
    }
    button->click();
    return !dialog.isVisible();
}

std::function<bool(QDialog&)> ScriptedOperator::fill(std::map<QString, QVariant> values,
                                                     bool accept) {
    return [values = std::move(values), accept](QDialog& d) {
        setControls(d, values);
        pressButton(d, accept);
        return d.result() == QDialog::Accepted;
    };
}

std::function<bool(QDialog&)> ScriptedOperator::press(bool accept) {
    return fill({}, accept);
}

} // namespace orvant::test
