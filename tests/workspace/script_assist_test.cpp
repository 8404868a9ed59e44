// The editor's colours, live check marks, tooltips and memory gauge, in a real document.

#include "language/command_reference.h"
#include "workspace/script_assist.h"
#include "workspace/tmain_form.h"
#include "workspace/tmdi_child.h"
#include "workspace_fixture.h"

#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>

#include <memory>

namespace orvant::test {
namespace {

class ScriptAssistTest : public WorkspaceTest {
protected:
    void SetUp() override {
        WorkspaceTest::SetUp();
        session.ModelCode() = 1; // K2207A, 864 bits
        session.MemoryBits = 864;
        session.ResetAddressSettings();
        doc = std::make_unique<TMDIChild>(op);
        doc->SetSession(&session);
        doc->resize(520, 320);
        doc->show();
    }

    void Load(const std::vector<std::string>& lines) {
        doc->SetLines(lines);
        doc->Assist()->CompletePass();
    }

    LineMark MarkOfLine(int number) const {
        return ScriptHighlighter::MarkOf(doc->Editor->document()->findBlockByNumber(number - 1));
    }

    QList<int> UnderlinedLines(QTextCharFormat::UnderlineStyle style) const {
        QList<int> lines;
        for (QTextBlock b = doc->Editor->document()->begin(); b.isValid(); b = b.next())
            for (const QTextLayout::FormatRange& r : b.layout()->formats())
                if (r.format.underlineStyle() == style) {
                    lines << b.blockNumber() + 1;
                    break;
                }
        return lines;
    }

    QPoint PointOnLine(int number) const {
        QTextCursor c(doc->Editor->document()->findBlockByNumber(number - 1));
        return doc->Editor->cursorRect(c).center() + QPoint(4, 0);
    }

    Session session;
    std::unique_ptr<TMDIChild> doc;
};

TEST_F(ScriptAssistTest, FaultyLinesGetWavyUnderlinesSoftOnesDotsAndTheirMessagesOnHover) {
    Load({"S200", "V99999 ; too fast", "Y1", "S20", "A200", "L0", "K"});
    EXPECT_EQ(UnderlinedLines(QTextCharFormat::WaveUnderline), (QList<int>{2, 3, 6}));
    EXPECT_EQ(UnderlinedLines(QTextCharFormat::DotLine), (QList<int>{5}));

    const QString tip = doc->Assist()->ToolTipAt(PointOnLine(2));
    EXPECT_TRUE(tip.startsWith("Number Out Of Range\n")) << tip.toStdString();
    EXPECT_TRUE(tip.contains("16 to 20000")) << tip.toStdString();
    EXPECT_TRUE(doc->Assist()->ToolTipAt(PointOnLine(3)).startsWith("Command unknown"));
    EXPECT_TRUE(doc->Assist()->ToolTipAt(PointOnLine(5)).contains("(1 to 116)"));
    EXPECT_TRUE(doc->Assist()->ToolTipAt(PointOnLine(1)).isEmpty());
    EXPECT_TRUE(doc->Assist()->ToolTipAt(PointOnLine(7) + QPoint(0, 200)).isEmpty())
        << "below the last line";
}

TEST_F(ScriptAssistTest, MarksFollowEditsAfterThePauseAndAStalePassIsDropped) {
    Load({"V99999", "K"});
    ASSERT_EQ(MarkOfLine(1).kind, LineMarkKind::Fault);

    // A line typed above splits the marked line: no line shows the old mark, and after the
    // pause the faulty line has it again.
    QTextCursor c(doc->Editor->document());
    c.insertText("S200\n");
    EXPECT_EQ(MarkOfLine(1).kind, LineMarkKind::None);
    EXPECT_EQ(UnderlinedLines(QTextCharFormat::WaveUnderline), QList<int>{});
    QTRY_COMPARE_WITH_TIMEOUT(MarkOfLine(2).kind, LineMarkKind::Fault, 3000);

    // An edit in the middle of a pass cancels it: the pass that completes sees the new text.
    doc->Assist()->CompletePass();
    c.movePosition(QTextCursor::End);
    c.insertText("\nY");
    EXPECT_FALSE(doc->Assist()->PassRunning());
    QTRY_COMPARE_WITH_TIMEOUT(MarkOfLine(4).kind, LineMarkKind::Fault, 3000);
    EXPECT_FALSE(doc->Assist()->PassRunning());

    // Mending the line takes its mark away after the pause.
    QTextCursor fix(doc->Editor->document()->findBlockByNumber(1));
    fix.movePosition(QTextCursor::EndOfBlock);
    fix.deletePreviousChar(); // V9999 fits
    QTRY_COMPARE_WITH_TIMEOUT(MarkOfLine(2).kind, LineMarkKind::None, 3000);
}

TEST_F(ScriptAssistTest, PresentationLeavesTextUndoAndModifiedFlagAlone) {
    doc->NewDocument();
    const QString text = "s200 ; start\nV99999\nK";
    doc->Editor->setPlainText(text);
    doc->Editor->document()->setModified(false);
    doc->Editor->document()->clearUndoRedoStacks();
    doc->Assist()->CompletePass();
    doc->Editor->setFont(QFont("Monospace", 20));
    doc->Assist()->CompletePass();
    EXPECT_EQ(doc->Editor->toPlainText(), text);
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(doc->PanelText(1), "");
    EXPECT_FALSE(doc->Editor->document()->isUndoAvailable());
    EXPECT_EQ(doc->Lines(), (std::vector<std::string>{"s200 ; start", "V99999", "K"}));
}

TEST_F(ScriptAssistTest, TheLiveSessionIsNotTouched) {
    session.ProgramBits = 555;
    Load({"XA", "S20", "V300", "M8", "F64"});
    EXPECT_EQ(session.ProgramBits, 555u);
    EXPECT_EQ(session.CurrentAddress, kAllAddresses);
    EXPECT_EQ(session.CurrentRecord().S, 200);
    EXPECT_EQ(session.Records[10].M, 4);
}

TEST_F(ScriptAssistTest, TheGaugeInTheThirdPanelTurnsRedWhenTheProgramDoesNotFit) {
    // 27 lines of W (32 bits each) fill the 864 bits of a K2207A exactly.
    std::vector<std::string> lines(27, "W500");
    Load(lines);
    const auto* gauge = doc->findChild<QLabel*>("Panel2");
    ASSERT_NE(gauge, nullptr);
    EXPECT_EQ(gauge->text(), "864 / 864 bits");
    EXPECT_TRUE(gauge->styleSheet().isEmpty());

    lines.push_back("K");
    Load(lines);
    EXPECT_EQ(gauge->text(), "872 / 864 bits");
    EXPECT_TRUE(gauge->styleSheet().contains("color")) << gauge->styleSheet().toStdString();

    session.ModelCode() = 0;
    session.MemoryBits = 40000;
    doc->Assist()->Schedule();
    doc->Assist()->CompletePass();
    EXPECT_EQ(gauge->text(), "872 bits");
    EXPECT_TRUE(gauge->styleSheet().isEmpty());
}

TEST_F(ScriptAssistTest, AnIdentifiedModelReachesOpenDocumentsThroughTheMainWindow) {
    TMainForm form(session, op);
    session.ModelCode() = 0;
    session.MemoryBits = 40000;
    TMDIChild* child = form.CreateMDIChild();
    child->SetLines({"V30000"}); // too fast for a K2207A only
    child->Assist()->CompletePass();
    EXPECT_EQ(ScriptHighlighter::MarkOf(child->Editor->document()->begin()).kind,
              LineMarkKind::None);
    session.ModelCode() = 1;
    session.MemoryBits = 864;
    form.SetPanelText(0, "  Type of MCU : K2207A, 864 bits");
    child->Assist()->CompletePass();
    EXPECT_EQ(ScriptHighlighter::MarkOf(child->Editor->document()->begin()).kind,
              LineMarkKind::Fault);
    EXPECT_EQ(child->PanelText(2), "0 / 864 bits") << "a faulty line adds nothing";
}

TEST(CommandReferencePage, IsCompiledIntoTheHelpAndNamesOnlyRealMenuItems) {
    QFile page(":/help/command_language.html");
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    EXPECT_EQ(page.readAll().toStdString(), CommandReferenceHtml());

    QStringList captions;
    QStringList menus;
    for (const MainMenuSpec& m : MainMenuTable())
        menus << QString(m.caption).remove('&');
    for (const MenuItemSpec& item : MenuItemTable())
        captions << menus[item.menu] + " > " + QString(item.caption).remove('&').trimmed();
    for (const CommandReferenceRow& row : CommandReference())
        for (const QString& entry : QString::fromStdString(row.menuItems).split("; "))
            EXPECT_TRUE(captions.contains(entry))
                << row.command << ": " << entry.toStdString() << " is not a menu item";
}

} // namespace
} // namespace orvant::test
