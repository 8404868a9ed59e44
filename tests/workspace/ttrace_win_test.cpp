#include "workspace/trace_view.h"
#include "workspace/ttrace_win.h"
#include "workspace_fixture.h"

#include <QFileInfo>
#include <QMdiArea>
#include <QScrollBar>

namespace orvant::test {
namespace {

class TraceTest : public WorkspaceTest {
protected:
    void SetUp() override {
        WorkspaceTest::SetUp();
        trace = new TTraceWin(op);
        area.addSubWindow(trace);
        area.resize(600, 400);
        area.show();
        trace->show();
    }
    QMdiArea area;
    TTraceWin* trace = nullptr;
};

TEST_F(TraceTest, AppendKeepsEveryLineInOrderAndClearEmptiesIt) {
    EXPECT_EQ(trace->windowTitle(), "Trace Window");
    EXPECT_EQ(trace->property("helpContext").toInt(), 10306);
    EXPECT_FALSE(trace->windowFlags() & Qt::WindowMaximizeButtonHint);
    trace->AppendTraceLine("V1500\t\t;12:00:01");
    trace->AppendTraceLine("           INPUT 13");
    trace->AppendTraceLine("");
    trace->AppendTraceLine(QString::fromLatin1("\xE9"));
    EXPECT_EQ(trace->Editor->Lines(),
              (std::vector<std::string>{"V1500\t\t;12:00:01", "           INPUT 13", "", "\xE9"}));
    trace->ClearTracewindow1Click();
    EXPECT_EQ(trace->Editor->LineCount(), 0u);
    trace->AppendTraceLine("K");
    EXPECT_EQ(trace->Editor->Lines(), std::vector<std::string>{"K"});
}

TEST_F(TraceTest, SaveWritesCrLfLinesAndAnEmptyTraceAnEmptyFile) {
    op.files.push_back(Chosen(Path("empty.txt"), 2));
    ASSERT_TRUE(trace->SaveTraceBuffer1Click());
    EXPECT_TRUE(QFileInfo::exists(Path("empty.txt")));
    EXPECT_EQ(Read(Path("empty.txt")), "");

    trace->AppendTraceLine("S200\t;1");
    trace->AppendTraceLine("           INPUT 3");
    op.files.push_back(Chosen(Path("t"), 1));
    ASSERT_TRUE(trace->SaveTraceBuffer1Click());
    EXPECT_EQ(Read(Path("t.epf")), "S200\t;1\r\n           INPUT 3\r\n");
    EXPECT_FALSE(trace->Editor->IsModified());
}

TEST_F(TraceTest, OverwriteQuestionOnlyYesWritesAndCancelOfTheDialogWritesNothing) {
    trace->AppendTraceLine("NEW");
    for (Answer a : {Answer::No, Answer::Cancel, Answer::Yes}) {
        Write(Path("old.TSF"), "OLD\r\n");
        op.files.push_back(Chosen(Path("old.TSF")));
        op.answers.push_back(a);
        op.events.clear();
        EXPECT_EQ(trace->SaveTraceBuffer1Click(), a == Answer::Yes);
        EXPECT_EQ(op.events,
                  (QStringList{"File: Save", "Confirm: OK to overwrite " + Path("old.TSF")}));
        EXPECT_EQ(Read(Path("old.TSF")), a == Answer::Yes ? "NEW\r\n" : "OLD\r\n");
    }
    op.files.push_back(FileChoice{});
    EXPECT_FALSE(trace->SaveTraceBuffer1Click());
}

TEST_F(TraceTest, AWriteErrorIsReportedAndTheTraceKept) {
    trace->AppendTraceLine("K");
    op.files.push_back(Chosen(Path("no-dir/t.TSF")));
    EXPECT_FALSE(trace->SaveTraceBuffer1Click());
    ASSERT_EQ(op.boxes().size(), 1);
    EXPECT_TRUE(op.boxes()[0].startsWith("Error: Cannot write file"));
    EXPECT_EQ(trace->Editor->LineCount(), 1u);
}

TEST_F(TraceTest, ClosingOnlyMinimisesAndTrace1ClickRestoresAndActivates) {
    trace->AppendTraceLine("K");
    trace->close();
    EXPECT_TRUE(trace->isMinimized());
    EXPECT_EQ(area.subWindowList().size(), 1);
    EXPECT_EQ(trace->Editor->LineCount(), 1u);
    trace->Trace1Click();
    EXPECT_FALSE(trace->isMinimized());
    EXPECT_TRUE(trace->isVisible());
    EXPECT_EQ(area.currentSubWindow(), trace);
}

TEST_F(TraceTest, CaretOffsetCountsOneCharacterPerLineBreak) {
    for (const char* l : {"ab", "", "cde", "f"})
        trace->AppendTraceLine(l);
    struct Case {
        int set;
        int line;
        int offset;
    };
    // Line starts: 0, 3, 4, 8.
    const Case cases[] = {{0, 0, 0}, {2, 0, 0}, {3, 1, 3},  {4, 2, 4},
                          {7, 2, 4}, {8, 3, 8}, {99, 3, 8}, {-5, 0, 0}};
    for (const auto& c : cases) {
        trace->Editor->SetCaretOffset(c.set);
        EXPECT_EQ(trace->Editor->CaretLine(), static_cast<std::size_t>(c.line)) << c.set;
        EXPECT_EQ(trace->Editor->CaretOffset(), c.offset) << c.set;
    }
}

TEST_F(TraceTest, ViewFollowsTheLastLineAndSelectionCopiesWholeLines) {
    for (int i = 0; i < 500; ++i)
        trace->AppendTraceLine(QString("line %1").arg(i));
    trace->Editor->Flush();
    auto* bar = trace->Editor->verticalScrollBar();
    EXPECT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), bar->maximum());
    trace->Editor->SetCaretOffset(0);
    EXPECT_EQ(bar->value(), 0);
    trace->AppendTraceLine("more");
    trace->Editor->Flush();
    EXPECT_EQ(bar->value(), 0) << "a view scrolled away from the end stays put";
    trace->Editor->SelectAll();
    EXPECT_TRUE(trace->Editor->SelectedText().startsWith("line 0\nline 1\n"));
    EXPECT_TRUE(trace->Editor->SelectedText().endsWith("line 499\nmore"));
}

} // namespace
} // namespace orvant::test
