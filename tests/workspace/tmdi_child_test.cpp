#include "workspace/tmdi_child.h"
#include "workspace_fixture.h"

#include <QFileInfo>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextCursor>

#include <memory>

namespace orvant::test {
namespace {

class DocumentTest : public WorkspaceTest {
protected:
    std::unique_ptr<TMDIChild> doc = std::make_unique<TMDIChild>(op);

    void Type(const QString& text) {
        doc->Editor->moveCursor(QTextCursor::End);
        doc->Editor->insertPlainText(text);
    }
};

TEST_F(DocumentTest, NewDocumentShowsUntitledAndTheCaretAtLineOneColumnOne) {
    Type("V1000");
    doc->NewDocument();
    EXPECT_EQ(doc->FileName, "Untitled");
    EXPECT_EQ(doc->windowTitle(), "Untitled");
    EXPECT_TRUE(doc->Lines().empty());
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(doc->PanelText(0), "Line:   1   Col:   1");
    EXPECT_EQ(doc->PanelText(1), "");
}

TEST_F(DocumentTest, CaretPanelAndModifiedPanelFollowTheEditor) {
    doc->NewDocument();
    Type("S200\nV1000\n\tA64");
    EXPECT_EQ(doc->PanelText(1), "Modified");
    struct Case {
        int offset;
        const char* panel;
    };
    const Case cases[] = {{0, "Line:   1   Col:   1"},
                          {4, "Line:   1   Col:   5"},
                          {5, "Line:   2   Col:   1"},
                          {13, "Line:   3   Col:   3"}};
    for (const auto& c : cases) {
        doc->SetCaretOffset(c.offset);
        EXPECT_EQ(doc->PanelText(0), c.panel) << c.offset;
        EXPECT_EQ(doc->CaretOffset(), c.offset);
    }
    doc->SetLines(std::vector<std::string>(1234, "K"));
    doc->SetCaretOffset(2 * 1233 + 1);
    EXPECT_EQ(doc->PanelText(0), "Line: 1234   Col:   2");
}

TEST_F(DocumentTest, EditorIsPlainNoWrapAndTabInsertsATab) {
    EXPECT_EQ(doc->Editor->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_FALSE(doc->Editor->tabChangesFocus());
    EXPECT_EQ(doc->Editor->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(doc->Editor->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(doc->size(), QSize(520, 320));
    doc->NewDocument();
    QTest::keyClicks(doc->Editor, "S");
    QTest::keyClick(doc->Editor, Qt::Key_Tab);
    QTest::keyClicks(doc->Editor, "200");
    EXPECT_EQ(doc->Lines(), std::vector<std::string>{"S\t200"});
}

TEST_F(DocumentTest, LoadReadsSingleByteLinesWithAnyLineEnd) {
    Write(Path("prog.TSF"), QByteArray("S200\r\nV1000\r\n\r\n; caf\xE9\r\n"));
    ASSERT_TRUE(doc->LoadDocument(Path("prog.TSF")));
    EXPECT_EQ(doc->FileName, Path("prog.TSF"));
    EXPECT_EQ(doc->windowTitle(), "prog.TSF");
    EXPECT_EQ(doc->Lines(), (std::vector<std::string>{"S200", "V1000", "", "; caf\xE9"}));
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(doc->PanelText(0), "Line:   1   Col:   1");
}

TEST_F(DocumentTest, OpeningAMissingFileGivesAnEmptyDocumentThatSavesUnderItsName) {
    doc->OpenDocument(Path("new.TSF"), false);
    EXPECT_EQ(doc->FileName, Path("new.TSF"));
    EXPECT_EQ(doc->windowTitle(), "new.TSF");
    EXPECT_TRUE(doc->Lines().empty());
    EXPECT_FALSE(doc->IsModified());
    Type("K");
    EXPECT_TRUE(doc->SaveDocument());
    EXPECT_TRUE(op.events.isEmpty()) << op.events.join("\n").toStdString();
    EXPECT_EQ(Read(Path("new.TSF")), "K\r\n");
}

TEST_F(DocumentTest, OpenHonoursTheReadOnlyRequest) {
    Write(Path("ro.TSF"), "K\r\n");
    doc->OpenDocument(Path("ro.TSF"), true);
    EXPECT_TRUE(doc->Editor->isReadOnly());
    TMDIChild other(op);
    other.OpenDocument(Path("ro.TSF"), false);
    EXPECT_FALSE(other.Editor->isReadOnly());
}

TEST_F(DocumentTest, AFileThatCannotBeReadIsReportedAndLeavesAnUntitledDocument) {
    QDir().mkdir(Path("folder.TSF"));
    doc->OpenDocument(Path("folder.TSF"), false);
    ASSERT_EQ(op.boxes().size(), 1);
    EXPECT_TRUE(op.boxes()[0].startsWith("Error: Cannot open file")) << op.boxes()[0].toStdString();
    EXPECT_EQ(doc->FileName, "Untitled");
}

TEST_F(DocumentTest, SaveWritesCrLfLatin1AndTheSameTextToTestSoub) {
    doc->OpenDocument(Path("a.TSF"), false);
    Type(QString::fromLatin1("S200\n v1 \n\n;\xE9"));
    ASSERT_TRUE(doc->SaveDocument());
    const QByteArray expected("S200\r\n v1 \r\n\r\n;\xE9\r\n");
    EXPECT_EQ(Read(Path("a.TSF")), expected);
    EXPECT_EQ(Read(Path("test_soub.txt")), expected);
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(doc->PanelText(1), "");
}

TEST_F(DocumentTest, SavingUntitledAsksForANameAndCancelKeepsItUntitled) {
    doc->NewDocument();
    Type("K");
    op.files.push_back(FileChoice{});
    EXPECT_FALSE(doc->SaveDocument());
    EXPECT_EQ(op.events, QStringList{"File: Save"});
    EXPECT_EQ(doc->FileName, "Untitled");
    EXPECT_TRUE(doc->IsModified());
    EXPECT_FALSE(QFileInfo::exists(Path("test_soub.txt")));
}

TEST_F(DocumentTest, SaveAsAppendsTheExtensionOfTheSelectedFilter) {
    struct Case {
        const char* chosen;
        int filter;
        const char* written;
    };
    const Case cases[] = {
        {"one", 1, "one.TSF"},       {"two", 2, "two.txt"}, {"three", 3, "three"},
        {"four.abc", 1, "four.abc"}, {"five.", 2, "five."}, {"six.TSF", 2, "six.TSF"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.chosen);
        doc->NewDocument();
        Type("K");
        op.files.push_back(Chosen(Path(c.chosen), c.filter));
        ASSERT_TRUE(doc->SaveDocumentAs());
        EXPECT_EQ(doc->FileName, Path(c.written));
        EXPECT_EQ(doc->windowTitle(), c.written);
        EXPECT_EQ(Read(Path(c.written)), "K\r\n");
        EXPECT_FALSE(doc->IsModified());
    }
    EXPECT_FALSE(QFileInfo::exists(Path("test_soub.txt"))) << "Save As writes no copy";
}

TEST_F(DocumentTest, OverwriteQuestionOnlyYesWrites) {
    struct Case {
        Answer answer;
        bool written;
    };
    for (const Case c :
         {Case{Answer::No, false}, Case{Answer::Cancel, false}, Case{Answer::Yes, true}}) {
        Write(Path("old.TSF"), "OLD\r\n");
        doc->OpenDocument(Path("mine.TSF"), false);
        Type("NEW");
        op.files.push_back(Chosen(Path("old.TSF")));
        op.answers.push_back(c.answer);
        op.events.clear();
        EXPECT_EQ(doc->SaveDocumentAs(), c.written);
        EXPECT_EQ(op.events,
                  (QStringList{"File: Save", "Confirm: OK to overwrite " + Path("old.TSF")}));
        EXPECT_EQ(Read(Path("old.TSF")), c.written ? "NEW\r\n" : "OLD\r\n");
        EXPECT_EQ(doc->FileName, c.written ? Path("old.TSF") : Path("mine.TSF"));
    }
}

TEST_F(DocumentTest, AWriteErrorIsReportedAndKeepsNameAndModifiedFlag) {
    doc->OpenDocument(Path("missing-dir/a.TSF"), false);
    Type("K");
    EXPECT_FALSE(doc->SaveDocument());
    ASSERT_EQ(op.boxes().size(), 1);
    EXPECT_TRUE(op.boxes()[0].startsWith("Error: Cannot write file " + Path("missing-dir/a.TSF")));
    EXPECT_EQ(doc->FileName, Path("missing-dir/a.TSF"));
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(doc->PanelText(1), "Modified");
}

// Closing a document: what the operator answers, and whether the window may close.
TEST_F(DocumentTest, CloseQueryAsksAndRefusesWhenTheSaveDoesNotComplete) {
    struct Case {
        const char* name;
        bool modified;
        bool untitled;
        std::vector<Answer> answers;
        bool saveAsAccepted;
        bool mayClose;
        bool fileWritten;
    };
    const Case cases[] = {
        {"unmodified", false, false, {}, false, true, false},
        {"cancel", true, false, {Answer::Cancel}, false, false, false},
        {"no", true, false, {Answer::No}, false, true, false},
        {"yes saves", true, false, {Answer::Yes}, false, true, true},
        {"yes, Save As cancelled", true, true, {Answer::Yes}, false, false, false},
        {"yes, overwrite refused", true, true, {Answer::Yes, Answer::No}, true, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(Path("doc.TSF"));
        Write(Path("taken.TSF"), "OLD\r\n");
        TMDIChild d(op);
        if (c.untitled)
            d.NewDocument();
        else
            d.OpenDocument(Path("doc.TSF"), false);
        if (c.modified) {
            d.Editor->insertPlainText("K");
        }
        for (Answer a : c.answers)
            op.answers.push_back(a);
        if (c.untitled)
            op.files.push_back(c.saveAsAccepted ? Chosen(Path("taken.TSF")) : FileChoice{});
        op.events.clear();
        EXPECT_EQ(d.FormCloseQuery(), c.mayClose);
        if (c.modified) {
            EXPECT_EQ(op.events.value(0), "Confirm: Save changes to " + d.FileName + "?");
        } else {
            EXPECT_TRUE(op.events.isEmpty());
        }
        EXPECT_EQ(QFileInfo::exists(Path("doc.TSF")), c.fileWritten);
        EXPECT_EQ(Read(Path("taken.TSF")), "OLD\r\n");
        if (!c.mayClose) {
            EXPECT_EQ(d.Lines(), std::vector<std::string>{"K"}) << "the text stays";
        }
        EXPECT_TRUE(op.answers.empty());
        EXPECT_TRUE(op.files.empty());
    }
}

TEST_F(DocumentTest, CloseEventIsRefusedOnCancel) {
    doc->OpenDocument(Path("c.TSF"), false);
    Type("K");
    doc->show();
    op.answers.push_back(Answer::Cancel);
    EXPECT_FALSE(doc->close());
    EXPECT_TRUE(doc->isVisible());
    op.answers.push_back(Answer::No);
    doc->setAttribute(Qt::WA_DeleteOnClose, false);
    EXPECT_TRUE(doc->close());
}

TEST(FilterExtensionTest, OnlyNamesWithoutExtensionGetOne) {
    EXPECT_EQ(WithFilterExtension("/a/b", 1), "/a/b.TSF");
    EXPECT_EQ(WithFilterExtension("/a/b", 2), "/a/b.txt");
    EXPECT_EQ(WithFilterExtension("/a/b", 3), "/a/b");
    EXPECT_EQ(WithFilterExtension("/a.d/b", 1), "/a.d/b.TSF");
    EXPECT_EQ(WithFilterExtension("/a/b.x", 1), "/a/b.x");
}

} // namespace
} // namespace orvant::test
