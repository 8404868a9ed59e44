#include "language/session.h"
#include "workspace/tmain_form.h"
#include "workspace/tmdi_child.h"
#include "workspace/trace_view.h"
#include "workspace/ttrace_win.h"
#include "workspace_fixture.h"

#include <QAction>
#include <QMdiArea>
#include <QMenu>
#include <QPlainTextEdit>
#include <QToolButton>

#include <memory>

namespace orvant::test {
namespace {

class MainFormTest : public MainFormFixture {
protected:
    TMDIChild* Open(const QString& name, const QByteArray& content = "K\r\n") {
        Write(Path(name), content);
        op.files.push_back(Chosen(Path(name)));
        form->FileOpenItemClick();
        return form->ActiveDocument();
    }

    QRect Rect(QMdiSubWindow* w) const { return w->geometry(); }
};

TEST_F(MainFormTest, EnablingFollowsTheChildCount) {
    struct Expect {
        int n;
        bool firstGroup, layoutButtons, run;
    };
    // The trace window alone, then one and two documents.
    const Expect steps[] = {{1, true, false, false}, {2, true, false, true}, {3, true, true, true}};
    for (const Expect& e : steps) {
        SCOPED_TRACE(e.n);
        if (e.n > 1)
            Open(QString("d%1.TSF").arg(e.n));
        ASSERT_EQ(form->ChildCount(), e.n);
        for (const char* a : {"FileCloseItem", "FileSaveItem", "FileSaveAsItem", "EditCutItem",
                              "EditCopyItem", "EditPasteItem", "WindowCascadeItem",
                              "WindowTileItem", "WindowArrangeItem", "WindowMinimizeItem"})
            EXPECT_EQ(form->Action(a)->isEnabled(), e.firstGroup) << a;
        for (const char* b : {"SaveBtn", "CutBtn", "CopyBtn", "PasteBtn"})
            EXPECT_EQ(form->Button(b)->isEnabled(), e.firstGroup) << b;
        for (const char* b : {"TilleBtn", "CascadeBtn", "MaximizeBtn"})
            EXPECT_EQ(form->Button(b)->isEnabled(), e.layoutButtons) << b;
        EXPECT_EQ(form->Button("RunBtn")->isEnabled(), e.run);
    }
    form->FileCloseItemClick();
    EXPECT_EQ(form->ChildCount(), 2);
    EXPECT_FALSE(form->Button("TilleBtn")->isEnabled());
    EXPECT_TRUE(form->Button("RunBtn")->isEnabled());
}

TEST_F(MainFormTest, WithOnlyTheTraceWindowTileAndCascadeDockItAndStop) {
    const int w = form->ClientWidth(), h = form->ClientHeight();
    for (auto layout : {&TMainForm::WindowTileItemClick, &TMainForm::WindowCascadeItemClick}) {
        form->TraceWin()->setGeometry(3, 40, 155, 50);
        (form.get()->*layout)();
        EXPECT_EQ(Rect(form->TraceWin()), QRect(w - 155 - 5, 1, 155, h - 55));
    }
    EXPECT_EQ(form->LayoutMode, 2);
    EXPECT_EQ(form->PreviousLayoutMode, 1);
}

TEST_F(MainFormTest, TileGivesEachDocumentHalfTheSpaceLeftOfTheTraceWindow) {
    TMDIChild* first = Open("a.TSF");
    TMDIChild* second = Open("b.TSF"); // active
    form->WindowTileItemClick();
    const int left = form->ClientWidth() - 160;
    const int th = form->ClientHeight() - 55;
    EXPECT_EQ(Rect(form->TraceWin()), QRect(left, 1, 155, th));
    const int c = left / 2;
    EXPECT_EQ(Rect(second), QRect(1, 1, c, th));
    EXPECT_EQ(Rect(first), QRect(1 + c, 1, c, th));
    EXPECT_EQ(form->LayoutMode, 1);
}

TEST_F(MainFormTest, CascadePlacesTheActiveDocumentAt21AndTheNextAt1) {
    TMDIChild* first = Open("a.TSF");
    TMDIChild* second = Open("b.TSF");
    form->WindowCascadeItemClick();
    const int left = form->ClientWidth() - 160;
    const int th = form->ClientHeight() - 55;
    EXPECT_EQ(Rect(second), QRect(21, 21, left - 20, th - 20));
    EXPECT_EQ(Rect(first), QRect(1, 1, left - 20, th - 20));
    EXPECT_EQ(form->LayoutMode, 2);
}

TEST_F(MainFormTest, MaximizeToggleAfterTileAndOpeningWhileMaximized) {
    TMDIChild* first = Open("a.TSF");
    TMDIChild* second = Open("b.TSF");
    form->WindowTileItemClick();
    const QRect tiledFirst = Rect(first), tiledSecond = Rect(second);
    const int th = form->ClientHeight() - 55;

    form->Action("Maximizewindow1")->trigger();
    EXPECT_EQ(form->LayoutMode, 3);
    EXPECT_EQ(form->PreviousLayoutMode, 1);
    EXPECT_EQ(Rect(second), QRect(1, 1, form->ClientWidth() - 155 - 5, th));
    EXPECT_EQ(Rect(first), tiledFirst);

    form->Maximizewindow1Click();
    EXPECT_EQ(form->LayoutMode, 1);
    EXPECT_EQ(form->PreviousLayoutMode, 3);
    EXPECT_EQ(Rect(second), tiledSecond);

    form->WindowCascadeItemClick();
    form->Maximizewindow1Click();
    Open("c.TSF"); // re-applies the layout: back to cascade
    EXPECT_EQ(form->LayoutMode, 2);
    EXPECT_EQ(form->ChildCount(), 4);
    EXPECT_EQ(Rect(form->ActiveDocument()).topLeft(), QPoint(41, 41));

    // A maximize toggle with neither tile nor cascade before it does nothing.
    form->LayoutMode = 3;
    form->PreviousLayoutMode = 0;
    const QRect before = Rect(first);
    form->Maximizewindow1Click();
    EXPECT_EQ(form->LayoutMode, 3);
    EXPECT_EQ(Rect(first), before);
}

TEST_F(MainFormTest, ResizingTheMainWindowDocksTheTraceWindow) {
    form->resize(900, 700);
    EXPECT_EQ(Rect(form->TraceWin()),
              QRect(form->ClientWidth() - 160, 1, 155, form->ClientHeight() - 55));
}

TEST_F(MainFormTest, MinimizeAllNextPreviousAndArrangeIcons) {
    TMDIChild* a = Open("a.TSF");
    TMDIChild* b = Open("b.TSF");
    form->NextWindow1Click();
    EXPECT_EQ(form->MdiArea()->currentSubWindow(), form->TraceWin());
    form->PreviousWindow1Click();
    EXPECT_EQ(form->MdiArea()->currentSubWindow(), b);
    form->WindowMinimizeItemClick();
    EXPECT_TRUE(a->isMinimized());
    EXPECT_TRUE(b->isMinimized());
    EXPECT_TRUE(form->TraceWin()->isMinimized());
    form->WindowArrangeItemClick();
    const int bottom = form->MdiArea()->viewport()->height();
    for (QMdiSubWindow* w : form->MdiArea()->subWindowList())
        EXPECT_EQ(w->geometry().bottom() + 1, bottom);
    EXPECT_EQ(Rect(a).top(), Rect(b).top());
    EXPECT_NE(Rect(a).left(), Rect(b).left());
}

TEST_F(MainFormTest, EditCommandsActOnTheActiveDocumentOnly) {
    TMDIChild* d = Open("a.TSF", "S200\r\n");
    d->Editor->selectAll();
    form->EditCut();
    EXPECT_TRUE(d->Lines().empty());
    form->Undo1Click();
    EXPECT_EQ(d->Lines(), std::vector<std::string>{"S200"});
    d->Editor->selectAll();
    form->EditCopy();
    d->Editor->moveCursor(QTextCursor::End);
    form->EditPaste();
    EXPECT_EQ(d->Lines(), std::vector<std::string>{"S200S200"});

    form->TraceWin()->Trace1Click();
    ASSERT_EQ(form->ActiveDocument(), nullptr);
    form->EditPaste();
    form->EditCut();
    form->Undo1Click();
    EXPECT_EQ(d->Lines(), std::vector<std::string>{"S200S200"});
    form->FileSaveItemClick(); // nothing to save
    form->FileSaveAsItemClick();
    EXPECT_TRUE(op.events.filter("File: Save").isEmpty());
}

TEST_F(MainFormTest, FontsGoToEveryDocumentAndToTheTrace) {
    TMDIChild* a = Open("a.TSF");
    TMDIChild* b = Open("b.TSF");
    QFont chosen("DejaVu Sans Mono");
    chosen.setPixelSize(17);
    op.fonts.push_back(chosen);
    form->Font1Click();
    EXPECT_EQ(a->Editor->font().pixelSize(), 17);
    EXPECT_EQ(b->Editor->font().pixelSize(), 17);
    EXPECT_EQ(b->CaretOffset(), 0);
    EXPECT_NE(form->TraceWin()->Editor->font().pixelSize(), 17);

    op.fonts.push_back(std::nullopt); // cancelled
    form->TraceFont1Click();
    EXPECT_NE(form->TraceWin()->Editor->font().pixelSize(), 17);
    op.fonts.push_back(chosen);
    form->TraceFont1Click();
    EXPECT_EQ(form->TraceWin()->Editor->font().pixelSize(), 17);
    EXPECT_EQ(op.events.filter("Font").size(), 3);
}

TEST_F(MainFormTest, OpenAppliesTheFilterExtensionAndCancelStillReappliesTheLayout) {
    Write(Path("prog.TSF"), "V1000\r\n");
    FileChoice c = Chosen(Path("prog"), 1);
    c.readOnly = true;
    op.files.push_back(c);
    form->FileOpenItemClick();
    ASSERT_TRUE(form->ActiveDocument());
    EXPECT_EQ(form->ActiveDocument()->FileName, Path("prog.TSF"));
    EXPECT_TRUE(form->ActiveDocument()->Editor->isReadOnly());
    form->LayoutMode = 2;
    op.files.push_back(FileChoice{});
    form->TraceWin()->setGeometry(0, 0, 155, 10);
    form->FileOpenItemClick();
    EXPECT_EQ(form->ChildCount(), 2);
    EXPECT_EQ(Rect(form->TraceWin()).top(), 1) << "the layout was applied again";
}

TEST_F(MainFormTest, TheWindowMenuListsEveryChildAndActivatesTheChosenOne) {
    TMDIChild* a = Open("a.TSF");
    Open("b.TSF");
    QMenu* menu = form->MainMenus()[2];
    emit menu->aboutToShow();
    emit menu->aboutToShow(); // built afresh each time, never twice
    QStringList entries;
    QAction* first = nullptr;
    for (QAction* act : menu->actions())
        if (act->text().startsWith('&') && act->text().at(1).isDigit()) {
            entries << act->text() + (act->isChecked() ? " *" : "");
            if (act->text().endsWith("a.TSF"))
                first = act;
        }
    EXPECT_EQ(entries, (QStringList{"&1 Trace Window", "&2 a.TSF", "&3 b.TSF *"}));
    ASSERT_TRUE(first);
    first->trigger();
    EXPECT_EQ(form->ActiveDocument(), a);
}

TEST_F(MainFormTest, CloseOfTheTraceWindowOnlyMinimisesIt) {
    form->TraceWin()->Trace1Click();
    form->FileCloseItemClick();
    EXPECT_EQ(form->ChildCount(), 1);
    EXPECT_TRUE(form->TraceWin()->isMinimized());
    form->Action("Trace1")->trigger();
    EXPECT_FALSE(form->TraceWin()->isMinimized());
    form->SetTraceLine("V1000\t;1");
    form->Action("ClearTracewindow1")->trigger();
    EXPECT_EQ(form->TraceWin()->Editor->LineCount(), 0u);
}

} // namespace
} // namespace orvant::test
