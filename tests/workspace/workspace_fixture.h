#pragma once
// Every widget test runs in a temporary working directory of its own, so that
// "orv_win.ini" and "test_soub.txt" land there.

#include "language/session.h"
#include "support/scripted_operator.h"
#include "workspace/tmain_form.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QStringList& l, std::ostream* os) {
    *os << "{\n  " << l.join("\n  ").toStdString() << "\n}";
}
QT_END_NAMESPACE

namespace orvant::test {

class WorkspaceTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        previous_ = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(dir_.path()));
    }
    void TearDown() override { QDir::setCurrent(previous_); }

    QString Path(const QString& name) const { return dir_.filePath(name); }

    static QByteArray Read(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static void Write(const QString& path, const QByteArray& bytes) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    static FileChoice Chosen(const QString& name, int filter = 1) {
        FileChoice c;
        c.accepted = true;
        c.fileName = name;
        c.filterIndex = filter;
        return c;
    }

    ScriptedOperator op;

private:
    QTemporaryDir dir_;
    QString previous_;
};

// A shown main window of 800 by 600 pixels with its trace window, in its own directory.
class MainFormFixture : public WorkspaceTest {
protected:
    void SetUp() override {
        WorkspaceTest::SetUp();
        form = std::make_unique<TMainForm>(session, op);
        form->CreateTraceWindow();
        form->resize(800, 600);
        form->show();
    }
    void TearDown() override {
        form.reset();
        WorkspaceTest::TearDown();
    }

    Session session;
    std::unique_ptr<TMainForm> form;
};

} // namespace orvant::test
