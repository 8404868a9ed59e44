// Hostile files in place of scripts, of the state file and of the files the workbench
// writes: each ends in a clear box and a workbench that stays usable, and no damage is
// written back by the next save.

#include "language/session.h"
#include "language/state_file.h"
#include "support/hang_guard.h"
#include "workspace/tmain_form.h"
#include "workspace/tmdi_child.h"
#include "workspace/ttrace_win.h"
#include "workspace_fixture.h"

#include <QFileInfo>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTimer>
#include <QtTest/QTest>

#include <sys/stat.h>

#include <chrono>
#include <memory>

namespace orvant::test {
namespace {

using namespace std::chrono_literals;

class HostileFilesTest : public WorkspaceTest {
protected:
    std::unique_ptr<TMainForm> MakeForm(Session& s) {
        auto f = std::make_unique<TMainForm>(s, op);
        f->CreateTraceWindow();
        f->resize(700, 500);
        f->show();
        return f;
    }

    void MakeFifo(const QString& name) {
        ASSERT_EQ(mkfifo(QFile::encodeName(Path(name)).constData(), 0600), 0);
    }

    // A state file that reopens the given documents, each 300 by 200 at 10,10.
    void WriteState(const std::vector<std::string>& names, std::uint16_t width = 700,
                    std::uint16_t height = 500) {
        StateFileContent c;
        c.Width = width;
        c.Height = height;
        c.ChildCount = static_cast<std::uint16_t>(names.size() + 1);
        c.Trace = {"", 500, 1, 155, 300, 0};
        for (const std::string& n : names)
            c.Documents.push_back({n, 10, 10, 300, 200, 0});
        WriteImage(EncodeStateFile(c));
    }
    void WriteImage(const std::vector<std::uint8_t>& bytes) {
        Write(Path(kStateFileName), QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                               static_cast<qsizetype>(bytes.size())));
    }
    StateFileRead SavedState() {
        const QByteArray raw = Read(Path(kStateFileName));
        return DecodeStateFile(std::vector<std::uint8_t>(raw.begin(), raw.end()));
    }
};

// One record per hostile document: the box it gives, the lines it reopens with, and that
// the next state file still names it.
TEST_F(HostileFilesTest, ReopenedDocumentsThatAreNotScriptsKeepTheirNames) {
    MakeFifo("fifo.TSF");
    QDir().mkdir(Path("folder.TSF"));
    {
        QFile big(Path("big.TSF")); // sparse: 64 MiB and one byte, no disk use
        ASSERT_TRUE(big.open(QIODevice::WriteOnly));
        ASSERT_TRUE(big.resize(64ll * 1024 * 1024 + 1));
    }
    Write(Path("cr.TSF"), "S200\rsx ; bad\rK\r");
    Write(Path("\u010D\u017E.tsf"), "V1000\r\n");
    Write(Path("two\nlines.TSF"), "K\r\n");

    struct Case {
        const char* name;
        QString path;
        QString box; // "" when the document opens without one
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"FIFO", Path("fifo.TSF"), "it is a FIFO, not a regular file", {}},
        {"endless device", "/dev/zero", "it is a character device, not a regular file", {}},
        {"directory", Path("folder.TSF"), "it is a directory, not a regular file", {}},
        {"oversized",
         Path("big.TSF"),
         "the file holds 67108865 bytes, more than the 67108864 bytes allowed",
         {}},
        {"CR line ends", Path("cr.TSF"), "", {"S200", "sx ; bad", "K"}},
        {"UTF-8 name", Path("\u010D\u017E.tsf"), "", {"V1000"}},
        {"control character in name", Path("two\nlines.TSF"), "", {"K"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteState({QFile::encodeName(c.path).toStdString()});
        op.events.clear();
        Session session;
        auto form = MakeForm(session);
        {
            HangGuard guard(std::string("reopening ") + c.name, 30s);
            form->LoadConfig();
        }
        const QStringList expected =
            c.box.isEmpty() ? QStringList{}
                            : QStringList{"Error: Cannot open file " + c.path + ".\r" + c.box};
        EXPECT_EQ(op.boxes(), expected);
        ASSERT_EQ(form->Documents().size(), 1);
        TMDIChild* d = form->Documents()[0];
        EXPECT_EQ(d->FileName, c.path);
        EXPECT_EQ(d->windowTitle(), QFileInfo(c.path).fileName());
        EXPECT_EQ(d->Lines(), c.lines);
        EXPECT_FALSE(d->IsModified());

        ASSERT_TRUE(form->SaveConfig());
        const StateFileRead saved = SavedState();
        ASSERT_EQ(saved.Content.Documents.size(), 1u);
        EXPECT_EQ(saved.Content.Documents[0].FileName, QFile::encodeName(c.path).toStdString());
        form->hide();
    }
}

TEST_F(HostileFilesTest, AStateFileThatIsNotAFileIsDamageAndIsNotOverwritten) {
    MakeFifo(kStateFileName);
    Session session;
    auto form = MakeForm(session);
    {
        HangGuard guard("reading a FIFO as the state file", 30s);
        form->LoadConfig();
    }
    EXPECT_EQ(op.boxes(), QStringList{"Warning: The state file " + Path(kStateFileName) +
                                      " is damaged; what could not be read keeps its default:\r"
                                      "- it is a FIFO, not a regular file"});
    EXPECT_EQ(EncodeLinkBlock(session.Link), EncodeLinkBlock(LinkSettings{}));
    EXPECT_TRUE(form->Documents().isEmpty());

    op.events.clear();
    {
        HangGuard guard("writing the state file over a FIFO", 30s);
        EXPECT_FALSE(form->close());
    }
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(op.boxes(), QStringList{"Error: Cannot write the state file " + Path(kStateFileName) +
                                      ".\rit is a FIFO, not a regular file"});
    EXPECT_TRUE(QFileInfo(Path(kStateFileName)).isFile() == false) << "the FIFO stays";
}

TEST_F(HostileFilesTest, SizesAndRectanglesAreKeptWithinTheScreenAndSavedSo) {
    const QSize screen = QGuiApplication::primaryScreen()->availableSize();
    Write(Path("a.TSF"), "K\r\n");
    struct Case {
        const char* name;
        std::uint16_t width, height;
        WindowRecord document;
        bool warned;
    };
    const std::string a = Path("a.TSF").toStdString();
    const Case cases[] = {
        {"main window 65535 x 65535", 65535, 65535, {a, 10, 10, 300, 200, 0}, true},
        {"written on a larger screen",
         static_cast<std::uint16_t>(screen.width() + 900),
         static_cast<std::uint16_t>(screen.height() + 600),
         {a, 1500, 900, 1400, 1000, 0},
         false},
        {"child far outside", 600, 400, {a, 30000, -30000, 300, 200, 0}, false},
        {"child wider than the workspace", 600, 400, {a, 0, 0, 30000, 200, 0}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StateFileContent content;
        content.Width = c.width;
        content.Height = c.height;
        content.ChildCount = 2;
        content.Trace = {"", 20000, 1, 155, 20000, 0};
        content.Documents = {c.document};
        WriteImage(EncodeStateFile(content));
        op.events.clear();
        Session session;
        auto form = MakeForm(session);
        form->LoadConfig();
        EXPECT_EQ(!op.boxes().isEmpty(), c.warned) << op.boxes().join("\n").toStdString();
        EXPECT_LE(form->width(), screen.width());
        EXPECT_LE(form->height(), screen.height());
        const QRect client(0, 0, form->ClientWidth(), form->ClientHeight());
        ASSERT_EQ(form->Documents().size(), 1);
        EXPECT_TRUE(client.contains(form->Documents()[0]->geometry()))
            << form->Documents()[0]->geometry().x() << "," << form->Documents()[0]->geometry().y();
        EXPECT_TRUE(client.contains(form->TraceWin()->geometry()));

        // What the next start reads is the clamped placement, with nothing left to warn of.
        ASSERT_TRUE(form->SaveConfig());
        const StateFileRead saved = SavedState();
        EXPECT_TRUE(saved.Problems.empty());
        EXPECT_EQ(saved.Content.Width, form->width());
        const WindowRecord& r = saved.Content.Documents.at(0);
        EXPECT_EQ(QRect(r.Left, r.Top, r.Width, r.Height), form->Documents()[0]->geometry());
        form->hide();
    }
}

// Opening, saving, the copy "test_soub.txt" and the trace save: a FIFO or a device in the
// way is refused with a box, and nothing waits on it.
TEST_F(HostileFilesTest, OpenAndSaveRefuseWhatIsNotARegularFile) {
    MakeFifo("fifo.TSF");
    Session session;
    auto form = MakeForm(session);
    HangGuard guard("opening and saving over FIFOs", 60s);

    op.files.push_back(Chosen(Path("fifo.TSF")));
    form->FileOpenItemClick();
    EXPECT_EQ(op.boxes(), QStringList{"Error: Cannot open file " + Path("fifo.TSF") +
                                      ".\rit is a FIFO, not a regular file"});
    ASSERT_NE(form->ActiveDocument(), nullptr);
    EXPECT_EQ(form->ActiveDocument()->FileName, kUntitled);

    // A document that names the FIFO (as a reopened record does) cannot be saved to it.
    TMDIChild* d = form->ActiveDocument();
    d->NewNamedDocument(Path("fifo.TSF"));
    d->Editor->insertPlainText("K");
    op.events.clear();
    EXPECT_FALSE(d->SaveDocument());
    EXPECT_EQ(op.boxes(), QStringList{"Error: Cannot write file " + Path("fifo.TSF") +
                                      ".\rit is a FIFO, not a regular file"});
    EXPECT_TRUE(d->IsModified());

    // The copy in the working directory is refused on its own; the script itself is saved.
    MakeFifo(kSaveCopyName);
    d->NewNamedDocument(Path("a.TSF"));
    d->Editor->insertPlainText("K");
    op.events.clear();
    d->SaveDocument();
    EXPECT_EQ(Read(Path("a.TSF")), "K\r\n");
    EXPECT_EQ(op.boxes(), QStringList{"Error: Cannot write file test_soub.txt.\r"
                                      "it is a FIFO, not a regular file"});

    op.events.clear();
    op.files.push_back(Chosen(Path("fifo.TSF")));
    op.answers.push_back(Answer::Yes);
    EXPECT_FALSE(form->TraceWin()->SaveTraceBuffer1Click());
    EXPECT_EQ(op.boxes(), QStringList{"Error: Cannot write file " + Path("fifo.TSF") +
                                      ".\rit is a FIFO, not a regular file"});
}

// Many reopened documents all come back, and Alt+X works meanwhile without losing the records
// not reopened yet. How the reopening time grows with the count is measured by
// bench/startup_bench.
TEST_F(HostileFilesTest, ManyDocumentsReopenAndAltXWorksMeanwhile) {
    Write(Path("a.TSF"), "S200\r\nK\r\n");
    const std::string a = Path("a.TSF").toStdString();
    {
        WriteState(std::vector<std::string>(300, a));
        Session session;
        auto form = MakeForm(session);
        HangGuard guard("reopening 300 documents", 100s);
        form->LoadConfig();
        EXPECT_EQ(form->Documents().size(), 300);
        form->hide();
    }

    WriteState(std::vector<std::string>(2000, a));
    Session session;
    auto form = MakeForm(session);
    QApplication::setActiveWindow(form.get());
    QTimer::singleShot(200, form.get(),
                       [&] { QTest::keyClick(form.get(), Qt::Key_X, Qt::AltModifier); });
    {
        HangGuard guard("Alt+X during the reopening", 120s);
        form->LoadConfig();
    }
    EXPECT_FALSE(form->isVisible()) << "Alt+X closed the workbench";
    EXPECT_LT(form->Documents().size(), 2000) << "the reopening stopped at the close";
    EXPECT_TRUE(form->IsShutDown());
    const StateFileRead saved = SavedState();
    EXPECT_EQ(saved.Content.Documents.size(), 2000u) << "records not reopened yet are kept";
    EXPECT_EQ(saved.Content.ChildCount, 2001);
}

} // namespace
} // namespace orvant::test
