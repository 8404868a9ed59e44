// The calculator in the main window: F4 opens a new one each time, and each counts as a
// child window in the enabling rules, the layouts, printing and the state file without
// being laid out, printed or recorded.

#include "language/state_file.h"
#include "motion/tmotion.h"
#include "workbench_fixture.h"
#include "workspace/tmdi_child.h"
#include "workspace/ttrace_win.h"

#include <QAction>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace orvant::test {
namespace {

class MotionWorkspaceTest : public WorkbenchFixture {
protected:
    TMotion* OpenCalculator() {
        const int before = form->ChildCount();
        form->Action("MotionCalculator1")->trigger();
        EXPECT_EQ(form->ChildCount(), before + 1);
        return qobject_cast<TMotion*>(form->MdiArea()->currentSubWindow());
    }
};

TEST_F(MotionWorkspaceTest, F4OpensANewCalculatorEveryTime) {
    EXPECT_EQ(form->Action("MotionCalculator1")->shortcut(), QKeySequence("F4"));
    TMotion* first = OpenCalculator();
    ASSERT_TRUE(first);
    TMotion* second = OpenCalculator();
    ASSERT_TRUE(second);
    EXPECT_NE(first, second);
    EXPECT_EQ(form->ChildCount(), 3);
    EXPECT_EQ(second->windowTitle(), "Motion Calculator");
    EXPECT_EQ(second->focusWidget(), second->DEdit);

    // Each keeps its own state.
    second->ApplyClick();
    EXPECT_FALSE(second->DiagramHidden());
    EXPECT_TRUE(first->DiagramHidden());
    EXPECT_EQ(first->TEdit->text(), "");
    first->MEdit->clear();
    first->TEdit->setText("76.65625");
    first->ApplyClick();
    EXPECT_EQ(first->MEdit->text(), "1000");
    EXPECT_EQ(second->TEdit->text(), "76.66");
    EXPECT_TRUE(op.events.isEmpty()) << op.events.join("; ").toStdString();

    // Closing one destroys it and leaves the other.
    QPointer<TMotion> closed(first);
    first->Close->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(closed.isNull());
    EXPECT_EQ(form->ChildCount(), 2);
}

TEST_F(MotionWorkspaceTest, TheCalculatorCountsInTheEnablingRules) {
    EXPECT_FALSE(form->Button("RunBtn")->isEnabled());
    TMotion* calculator = OpenCalculator();
    ASSERT_TRUE(calculator);
    EXPECT_TRUE(form->Button("RunBtn")->isEnabled());
    EXPECT_FALSE(form->Button("TilleBtn")->isEnabled());
    OpenCalculator();
    EXPECT_TRUE(form->Button("TilleBtn")->isEnabled());

    form->FileCloseItemClick(); // the active calculator
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(form->ChildCount(), 2);
    EXPECT_FALSE(form->Button("TilleBtn")->isEnabled());
    calculator->CloseClick();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    EXPECT_EQ(form->ChildCount(), 1);
    EXPECT_FALSE(form->Button("RunBtn")->isEnabled());
}

TEST_F(MotionWorkspaceTest, LayoutsSkipTheCalculatorButCountIt) {
    form->FileNewItemClick();
    form->FileNewItemClick();
    TMotion* calculator = OpenCalculator();
    ASSERT_TRUE(calculator);
    const QRect before = calculator->geometry();

    form->WindowTileItemClick();
    const int column = form->TraceWin()->x() / 3; // N = 4: two documents, trace, calculator
    const QList<TMDIChild*> docs = form->Documents();
    ASSERT_EQ(docs.size(), 2);
    for (TMDIChild* d : docs)
        EXPECT_EQ(d->width(), column);
    EXPECT_EQ(calculator->geometry(), before);

    form->WindowCascadeItemClick();
    const int d = 2 * 20;
    for (TMDIChild* doc : docs)
        EXPECT_EQ(doc->width(), form->TraceWin()->x() - d);
    EXPECT_EQ(calculator->geometry(), before);

    form->MdiArea()->setActiveSubWindow(calculator);
    form->Maximizewindow1Click();
    EXPECT_EQ(calculator->geometry(), before);
    EXPECT_FALSE(calculator->isMaximized());
}

TEST_F(MotionWorkspaceTest, PrintWithTheCalculatorActivePrintsNothing) {
    form->FileNewItemClick();
    ASSERT_TRUE(OpenCalculator());
    form->PrintBtnClick();
    EXPECT_TRUE(op.events.isEmpty()) << op.events.join("; ").toStdString();
    EXPECT_TRUE(form->PrintBufferLines().isEmpty());
}

TEST_F(MotionWorkspaceTest, TheStateFileCountsTheCalculatorWithoutARecord) {
    form->FileNewItemClick();
    ASSERT_TRUE(OpenCalculator());
    ASSERT_TRUE(form->SaveConfig());
    const QByteArray raw = Read(kStateFileName);
    const std::vector<std::uint8_t> bytes(raw.begin(), raw.end());
    const StateFileRead read = DecodeStateFile(bytes);
    EXPECT_EQ(read.Content.ChildCount, 3);
    EXPECT_EQ(read.Content.Documents.size(), 1u);
    EXPECT_EQ(bytes.size(), 93u + 276u + 276u);
}

} // namespace
} // namespace orvant::test
