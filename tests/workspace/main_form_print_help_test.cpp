#include "language/session.h"
#include "workspace/help_viewer.h"
#include "workspace/start_up.h"
#include "workspace/tabout_box.h"
#include "workspace/tmain_form.h"
#include "workspace/tmdi_child.h"
#include "workspace/ttrace_win.h"
#include "workspace_fixture.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <QTextBrowser>

#include <memory>

namespace orvant::test {
namespace {

class PrintHelpTest : public MainFormFixture {
protected:
    std::function<bool(QPrinter&)> ToPdf(const QString& path) {
        return [path](QPrinter& p) {
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(path);
            return true;
        };
    }

    static QString PdfText(const QString& path) {
        QProcess p;
        p.start("pdftotext", {"-layout", path, "-"});
        if (!p.waitForFinished(20000))
            return {};
        return QString::fromUtf8(p.readAllStandardOutput());
    }
};

const QRegularExpression kStamp(R"(^\d\d\. \d\d\. \d{4}   \d{1,2}:\d\d$)");

TEST_F(PrintHelpTest, PrintingADocumentToPdfCarriesTheHeaderOnceAndEveryLine) {
    Write(Path("prog.TSF"), "S200\r\nV1000\r\n");
    op.files.push_back(Chosen(Path("prog.TSF")));
    form->FileOpenItemClick();
    op.printers.push_back(ToPdf(Path("out.pdf")));
    form->Action("FilePrintItem")->trigger();

    const QStringList buffer = form->PrintBufferLines();
    ASSERT_EQ(buffer.size(), 4);
    const QString suffix = "    " + Path("prog.TSF");
    ASSERT_TRUE(buffer[0].endsWith(suffix));
    EXPECT_TRUE(kStamp.match(buffer[0].chopped(suffix.size())).hasMatch())
        << buffer[0].toStdString();
    EXPECT_EQ(buffer.mid(1), (QStringList{"", "S200", "V1000"}));
    EXPECT_EQ(form->PrintJobTitle(), "ORV Win - " + Path("prog.TSF"));

    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    const QString text = PdfText(Path("out.pdf"));
    EXPECT_TRUE(text.contains(Path("prog.TSF"))) << text.toStdString();
    EXPECT_EQ(text.count(Path("prog.TSF")), 1);
    EXPECT_TRUE(text.contains("S200"));
    EXPECT_TRUE(text.contains("V1000"));
}

TEST_F(PrintHelpTest, LongTextContinuesOnFurtherPagesWithoutRepeatingTheHeader) {
    form->FileNewItemClick();
    std::vector<std::string> lines;
    for (int i = 0; i < 400; ++i)
        lines.push_back(std::string("W").append(std::to_string(i)));
    form->ActiveDocument()->SetLines(lines);
    op.printers.push_back(ToPdf(Path("long.pdf")));
    form->PrintBtnClick();
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    const QString text = PdfText(Path("long.pdf"));
    EXPECT_GE(text.count('\f'), 2) << "more than one page";
    EXPECT_EQ(text.count("Untitled"), 1);
    EXPECT_TRUE(text.contains("W0"));
    EXPECT_TRUE(text.contains("W399"));
}

TEST_F(PrintHelpTest, PrintingTheTraceWindowAndNothingElse) {
    form->SetTraceLine("V1000\t;12:00");
    form->TraceWin()->Trace1Click();
    op.printers.push_back([](QPrinter&) { return false; }); // cancelled
    form->PrintBtnClick();
    const QStringList buffer = form->PrintBufferLines();
    ASSERT_EQ(buffer.size(), 3);
    EXPECT_TRUE(buffer[0].startsWith("Trace Window    "));
    EXPECT_TRUE(kStamp.match(buffer[0].mid(16)).hasMatch()) << buffer[0].toStdString();
    EXPECT_EQ(buffer[2], "V1000\t;12:00");
    EXPECT_EQ(form->PrintJobTitle(), "ORV Win - Trace Window");
    EXPECT_EQ(op.events.filter("Printer").size(), 1);

    // Another kind of child (such as the motion calculator) active: nothing is printed.
    QMdiSubWindow* other = form->MdiArea()->addSubWindow(new QWidget);
    other->show();
    form->MdiArea()->setActiveSubWindow(other);
    op.events.clear();
    form->PrintBtnClick();
    EXPECT_TRUE(op.events.isEmpty());
}

TEST_F(PrintHelpTest, HelpOpensTopicsAndFallsBackToTheContents) {
    struct Case {
        int context;
        int shown;
    };
    const Case cases[] = {{1, 1}, {10101, 10101}, {10306, 10306}, {99999, 1}, {0, 1}};
    for (const Case& c : cases) {
        form->ShowHelp(c.context);
        ASSERT_TRUE(form->HelpViewer());
        EXPECT_EQ(form->HelpViewer()->CurrentTopic(), c.shown) << c.context;
        EXPECT_FALSE(form->HelpViewer()->Browser()->toPlainText().isEmpty()) << c.context;
        EXPECT_EQ(form->HelpViewer()->Browser()->source().toString(),
                  QString("qrc:/help/%1.html").arg(c.shown));
    }
    form->HelpViewer()->close();
    form->Action("Help2")->trigger();
    EXPECT_TRUE(form->HelpViewer()->isVisible());
    EXPECT_EQ(form->HelpViewer()->CurrentTopic(), 1);
}

TEST_F(PrintHelpTest, F1OnAHighlightedMenuItemOpensItsTopic) {
    QMenu* file = form->MainMenus()[0];
    file->popup(QPoint(0, 0));
    file->setActiveAction(form->Action("FileSaveAsItem"));
    QTest::keyClick(file, Qt::Key_F1);
    ASSERT_TRUE(form->HelpViewer());
    EXPECT_EQ(form->HelpViewer()->CurrentTopic(), 10105);
    EXPECT_FALSE(file->isVisible());
}

TEST_F(PrintHelpTest, F1InADialogOpensTheTopicOfItsHelpContext) {
    QDialog dialog(form.get());
    dialog.setProperty("helpContext", 10704);
    auto* edit = new QLabel("x", &dialog);
    edit->setFocusPolicy(Qt::StrongFocus);
    dialog.show();
    QTest::keyClick(edit, Qt::Key_F1);
    ASSERT_TRUE(form->HelpViewer());
    EXPECT_EQ(form->HelpViewer()->CurrentTopic(), 10704);
}

TEST(AboutBoxTest, ShowsProductVersionAndTheUnscrambledLicenceAndTheCredit) {
    ScriptedOperator op;
    TAboutBox box(op);
    EXPECT_EQ(box.windowTitle(), "About");
    EXPECT_EQ(box.size(), QSize(396, 306));
    EXPECT_EQ(box.ProductName->text(), "Orvant PC Utilities");
    EXPECT_EQ(box.ProductName->font().pixelSize(), 16);
    EXPECT_EQ(box.Comments->text(), "Version : 1.3");
    EXPECT_FALSE(box.Label1->text().isEmpty());
    EXPECT_EQ(box.Licence->text(), UnscrambleLicence());
    EXPECT_TRUE(box.Licence->text().startsWith("Licensed to"));
    for (QLabel* l : {box.ProductName, box.Comments, box.Label1, box.Licence})
        EXPECT_EQ(l->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    auto* ok = box.findChild<QPushButton*>("OKButton");
    ASSERT_TRUE(ok);
    EXPECT_TRUE(ok->isDefault());

    QWidget* picture = box.findChild<QWidget*>("ProgramIcon");
    ASSERT_TRUE(picture);
    QTest::mouseClick(picture, Qt::RightButton);
    EXPECT_TRUE(op.boxes().isEmpty()) << "no credit without Shift";
    QTest::mouseClick(picture, Qt::RightButton, Qt::ShiftModifier);
    ASSERT_EQ(op.boxes().size(), 1);
    EXPECT_TRUE(op.boxes()[0].startsWith("Message: Orvant PC Utilities"));
}

class StartUpTest : public WorkspaceTest {};

TEST_F(StartUpTest, AboutBoxFirstThenTheStateFileThenSerialInit) {
    {
        Session s;
        TMainForm f(s, op);
        f.CreateTraceWindow();
        f.show();
        ASSERT_TRUE(f.close()); // AutoInit 1 by default
    }
    Session session;
    TMainForm form(session, op);
    QStringList order;
    form.serialInitHook = [&] {
        order << "SerialInit visible=" + QString::number(form.isVisible());
    };
    op.events.clear();
    op.dialogs.push_back([&](QDialog& d) {
        order << "About visible=" + QString::number(form.isVisible());
        EXPECT_EQ(d.objectName(), "AboutBox");
        return true;
    });
    RunStartUp(form, op);
    EXPECT_EQ(order, (QStringList{"About visible=0", "SerialInit visible=1"}));
    EXPECT_EQ(QApplication::applicationDisplayName(), "ORVANT PC Utilities");
    ASSERT_TRUE(form.TraceWin());
    EXPECT_EQ(form.TraceWin()->width(), 155);
    EXPECT_EQ(form.TraceWin()->y(), 1);
    EXPECT_FALSE(form.TraceWin()->isMinimized());
    EXPECT_EQ(form.ChildCount(), 1);
    EXPECT_EQ(form.LayoutMode, 0);
    form.close();
}

TEST_F(StartUpTest, WithoutAStateFileNothingIsRestoredAndNoSerialSetupRuns) {
    Session session;
    TMainForm form(session, op);
    bool init = false;
    form.serialInitHook = [&] { init = true; };
    op.dialogs.push_back([](QDialog&) { return true; });
    RunStartUp(form, op);
    EXPECT_FALSE(init);
    EXPECT_EQ(form.LayoutMode, 1);
    EXPECT_EQ(op.events, QStringList{"Dialog: AboutBox"});
    form.close();
}

} // namespace
} // namespace orvant::test
