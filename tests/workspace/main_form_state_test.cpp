#include "language/session.h"
#include "language/state_file.h"
#include "workspace/tmain_form.h"
#include "workspace/tmdi_child.h"
#include "workspace/trace_view.h"
#include "workspace/ttrace_win.h"
#include "workspace_fixture.h"

#include <QFileInfo>
#include <QMdiArea>
#include <QPlainTextEdit>

#include <memory>

namespace orvant::test {
namespace {

class StateTest : public WorkspaceTest {
protected:
    std::unique_ptr<TMainForm> MakeForm(Session& s) {
        auto f = std::make_unique<TMainForm>(s, op);
        f->CreateTraceWindow();
        f->resize(800, 600);
        f->show();
        return f;
    }

    TMDIChild* Open(TMainForm& f, const QString& name, const QByteArray& content) {
        Write(Path(name), content);
        op.files.push_back(Chosen(Path(name)));
        f.FileOpenItemClick();
        return f.ActiveDocument();
    }

    std::vector<std::uint8_t> StateBytes() {
        const QByteArray raw = Read(Path("orv_win.ini"));
        return std::vector<std::uint8_t>(raw.begin(), raw.end());
    }
};

TEST_F(StateTest, FirstRunClosedWithTwoDocumentsWrites921BytesWithNThree) {
    Session session;
    auto form = MakeForm(session);
    form->LoadConfig(); // no file: nothing happens
    EXPECT_EQ(form->LayoutMode, 1);
    Open(*form, "a.TSF", "S200\r\n");
    Open(*form, "b.TSF", "V1000\r\n");
    EXPECT_TRUE(form->close());
    const auto bytes = StateBytes();
    ASSERT_EQ(bytes.size(), 921u);
    EXPECT_EQ(bytes[91], 3);
    EXPECT_EQ(bytes[92], 0);
    EXPECT_EQ(bytes[87] | (bytes[88] << 8), 800);
    EXPECT_EQ(bytes[89] | (bytes[90] << 8), 600);
    EXPECT_TRUE(op.boxes().isEmpty());
}

TEST_F(StateTest, RoundTripRestoresLinkMoveSizeTraceAndDocumentsWithCaretAndRectangle) {
    QStringList serialInits;
    {
        Session session;
        session.Link = LinkSettings{6, 1, 2, 0, 3, 1, 1};
        session.Move.RelDistance[2] = 0.1 + 0.2;
        session.Move.StepsPerUnit = 12345;
        auto form = MakeForm(session);
        form->resize(700, 500);
        form->SetTraceLine("first");
        form->SetTraceLine("second");
        form->TraceWin()->Editor->SetCaretOffset(6);
        TMDIChild* a = Open(*form, "a.TSF", "S200\r\nV1000\r\n");
        TMDIChild* b = Open(*form, "b.TSF", "K\r\n");
        form->WindowCascadeItemClick();
        a->SetCaretOffset(7);
        a->setGeometry(10, 20, 300, 200);
        b->setGeometry(30, 40, 250, 150);
        form->MdiArea()->setActiveSubWindow(a);
        ASSERT_TRUE(form->close());
    }
    Session session;
    auto form = MakeForm(session);
    form->serialInitHook = [&] { serialInits << "SerialInit"; };
    form->LoadConfig();
    EXPECT_EQ(form->LayoutMode, 0);
    EXPECT_EQ(EncodeLinkBlock(session.Link), (std::vector<std::uint8_t>{6, 1, 2, 0, 3, 1, 1}));
    EXPECT_EQ(session.Move.RelDistance[2], 0.1 + 0.2);
    EXPECT_EQ(session.Move.StepsPerUnit, 12345);
    EXPECT_EQ(session.MemoryBits, 40000) << "memory size is not stored";
    EXPECT_EQ(form->size(), QSize(700, 500));
    EXPECT_EQ(serialInits, QStringList{"SerialInit"});
    EXPECT_EQ(form->TraceWin()->Editor->LineCount(), 0u) << "the trace text is not stored";

    const auto docs = form->Documents();
    ASSERT_EQ(docs.size(), 2);
    // Written starting with the active document: a, then b.
    EXPECT_EQ(docs[0]->FileName, Path("a.TSF"));
    EXPECT_EQ(docs[0]->Lines(), (std::vector<std::string>{"S200", "V1000"}));
    EXPECT_EQ(docs[0]->CaretOffset(), 7);
    EXPECT_EQ(docs[0]->geometry(), QRect(10, 20, 300, 200));
    EXPECT_EQ(docs[1]->FileName, Path("b.TSF"));
    EXPECT_EQ(docs[1]->geometry(), QRect(30, 40, 250, 150));
}

TEST_F(StateTest, MinimisedWindowsAreStoredWithTheirNormalRectangle) {
    {
        Session session;
        auto form = MakeForm(session);
        TMDIChild* a = Open(*form, "a.TSF", "K\r\n");
        a->setGeometry(10, 20, 300, 200);
        form->TraceWin()->setGeometry(500, 1, 155, 400);
        form->WindowMinimizeItemClick();
        ASSERT_TRUE(a->isMinimized());
        ASSERT_TRUE(form->close());
    }
    const StateFileRead read = DecodeStateFile(StateBytes());
    ASSERT_EQ(read.Content.Documents.size(), 1u);
    const WindowRecord& d = read.Content.Documents[0];
    EXPECT_EQ(QRect(d.Left, d.Top, d.Width, d.Height), QRect(10, 20, 300, 200));
    const WindowRecord& t = read.Content.Trace;
    EXPECT_EQ(QRect(t.Left, t.Top, t.Width, t.Height), QRect(500, 1, 155, 400));
}

TEST_F(StateTest, AutoInitClearOrNoFileMeansNoSerialSetup) {
    int inits = 0;
    {
        Session session;
        auto form = MakeForm(session);
        form->serialInitHook = [&] { ++inits; };
        form->LoadConfig(); // no file, although AutoInit defaults to 1
        EXPECT_EQ(inits, 0);
        session.Link.AutoInit = 0;
        ASSERT_TRUE(form->close());
    }
    Session session;
    auto form = MakeForm(session);
    form->serialInitHook = [&] { ++inits; };
    form->LoadConfig();
    EXPECT_EQ(inits, 0);
    EXPECT_EQ(session.Link.AutoInit, 0);
}

TEST_F(StateTest, ADocumentWhoseFileDisappearedReopensEmptyUnderItsName) {
    {
        Session session;
        auto form = MakeForm(session);
        Open(*form, "gone.TSF", "K\r\n");
        ASSERT_TRUE(form->close());
    }
    QFile::remove(Path("gone.TSF"));
    Session session;
    auto form = MakeForm(session);
    form->LoadConfig();
    ASSERT_EQ(form->Documents().size(), 1);
    EXPECT_EQ(form->Documents()[0]->FileName, Path("gone.TSF"));
    EXPECT_TRUE(form->Documents()[0]->Lines().empty());
}

// Damaged state files: no crash, defaults for what cannot be trusted, the rest restored.
TEST_F(StateTest, DamagedFilesKeepDefaultsReopenWhatTheyCanAndSayWhy) {
    StateFileContent good;
    good.Link = LinkSettings{2, 0, 1, 0, 1, 1, 0};
    good.Width = 640;
    good.Height = 480;
    good.ChildCount = 3;
    good.Trace = {"", 400, 1, 155, 300, 0};
    Write(Path("a.TSF"), "A1\r\n");
    Write(Path("b.TSF"), "B1\r\n");
    good.Documents = {{Path("a.TSF").toStdString(), 1, 1, 200, 200, 0},
                      {Path("b.TSF").toStdString(), 5, 5, 200, 200, 0}};
    const auto image = EncodeStateFile(good);

    struct Case {
        const char* name;
        std::size_t size; // bytes kept
        std::size_t offset;
        std::uint8_t value;
        bool linkRestored;
        int documents;
        bool warned;
        int channel; // the channel index in force afterwards
    };
    const Case cases[] = {
        {"intact", 921, 0, 0, true, 2, false, 1},
        {"empty", 0, 0, 0, false, 0, true, 0},
        {"half a head", 50, 0, 0, true, 0, true, 1},
        {"head without trace", 150, 0, 0, true, 0, true, 1},
        {"second record cut", 700, 0, 0, true, 1, false, 1},
        {"count far too large", 921, 91, 250, true, 2, true, 1},
        {"channel index 7", 921, 4, 7, true, 2, true, 0},
        {"empty name", 921, 369, 0, true, 1, true, 1},
        {"name holding NUL", 921, 645 + 3, 0, true, 1, true, 1},
        {"absurd width", 921, 369 + 264 + 3, 0x7F, true, 2, true, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto bytes = image;
        bytes.resize(c.size);
        if (c.offset)
            bytes[c.offset] = c.value;
        Write(Path("orv_win.ini"), QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                              static_cast<qsizetype>(bytes.size())));
        Session session;
        op.events.clear();
        auto form = MakeForm(session);
        form->LoadConfig();
        EXPECT_EQ(form->Documents().size(), c.documents);
        EXPECT_EQ(session.Link.ModelCode == 2, c.linkRestored);
        EXPECT_EQ(session.Link.ChannelIndex, c.channel);
        if (c.linkRestored) {
            EXPECT_EQ(session.Link.AutoInit, 0);
        }
        EXPECT_EQ(!op.boxes().isEmpty(), c.warned) << op.boxes().join("\n").toStdString();
        if (c.warned) {
            EXPECT_TRUE(op.boxes()[0].startsWith("Warning: The state file "));
        }
        for (TMDIChild* d : form->Documents())
            EXPECT_LT(d->width(), 10000);
        form->hide();
    }
}

TEST_F(StateTest, AStateFileThatCannotBeWrittenKeepsTheMainWindowOpen) {
    Session session;
    auto form = MakeForm(session);
    QDir().mkdir(Path("orv_win.ini"));
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    ASSERT_EQ(op.boxes().size(), 1);
    EXPECT_TRUE(op.boxes()[0].startsWith("Error: Cannot write the state file"));
    QDir().rmdir(Path("orv_win.ini"));
    EXPECT_TRUE(form->close());
    EXPECT_EQ(StateBytes().size(), 369u);
}

TEST_F(StateTest, AnInterruptedWriteLeavesTheOldFileWhole) {
    Session session;
    auto form = MakeForm(session);
    Open(*form, "a.TSF", "K\r\n");
    ASSERT_TRUE(form->SaveConfig());
    const auto before = StateBytes();
    ASSERT_EQ(before.size(), 645u);
    // A read-only directory refuses the temporary file; the old file must stay as it was.
    QFile::setPermissions(Path("."), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const bool canStillWrite = QFileInfo(Path(".")).isWritable();
    Open(*form, "b.TSF", "K\r\n");
    const bool saved = form->SaveConfig();
    QFile::setPermissions(Path("."),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (canStillWrite) { // running as root: the directory stays writable
        EXPECT_TRUE(saved);
    } else {
        EXPECT_FALSE(saved);
        EXPECT_EQ(StateBytes(), before);
    }
}

TEST_F(StateTest, CancelDuringShutDownKeepsEveryWindowAndWritesNoStateFile) {
    Session session;
    auto form = MakeForm(session);
    TMDIChild* a = Open(*form, "a.TSF", "OLD\r\n");
    TMDIChild* b = Open(*form, "b.TSF", "OLD\r\n");
    a->Editor->insertPlainText("NEW");
    b->Editor->insertPlainText("NEW");
    op.answers = {Answer::Yes, Answer::Cancel};
    op.events.clear();
    EXPECT_FALSE(form->close());
    EXPECT_EQ(op.events, (QStringList{"Confirm: Save changes to " + Path("a.TSF") + "?",
                                      "Confirm: Save changes to " + Path("b.TSF") + "?"}));
    EXPECT_FALSE(QFileInfo::exists(Path("orv_win.ini")));
    EXPECT_EQ(form->ChildCount(), 3);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(Read(Path("a.TSF")), "NEWOLD\r\n") << "saved during the attempt, stays saved";
    EXPECT_EQ(Read(Path("b.TSF")), "OLD\r\n");
    EXPECT_TRUE(b->IsModified());

    // The next attempt asks only the still modified document.
    op.answers = {Answer::No};
    bool portClosed = false;
    form->closePortHook = [&] { portClosed = true; };
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(portClosed);
    EXPECT_EQ(StateBytes().size(), 921u);
}

TEST_F(StateTest, ShutDownStopsWhenTheSaveOfAnUntitledDocumentIsCancelled) {
    Session session;
    auto form = MakeForm(session);
    form->FileNewItemClick();
    form->ActiveDocument()->Editor->insertPlainText("K");
    op.answers = {Answer::Yes};
    op.files.push_back(FileChoice{});
    EXPECT_FALSE(form->close());
    EXPECT_FALSE(QFileInfo::exists(Path("orv_win.ini")));
    ASSERT_EQ(form->Documents().size(), 1);
    EXPECT_EQ(form->Documents()[0]->Lines(), std::vector<std::string>{"K"});
    op.answers = {Answer::No};
    EXPECT_TRUE(form->close());
}

} // namespace
} // namespace orvant::test
