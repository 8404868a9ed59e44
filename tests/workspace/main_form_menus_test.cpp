#include "language/session.h"
#include "workspace/tmain_form.h"
#include "workspace_fixture.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMetaObject>
#include <QTest>
#include <QToolButton>

namespace orvant::test {
namespace {

struct Item {
    const char* menu;
    const char* name;
    const char* caption;
    const char* keys; // shortcut, then the hidden one after "|"
    int help;
    const char* handler;
    bool separatorAfter;
};

// The menu bar as the operator sees it.
const Item kItems[] = {
    {"File1", "FileNewItem", "&New", "Ctrl+N", 10101, "FileNewItemClick", false},
    {"File1", "FileOpenItem", "&Open", "Ctrl+O|F3", 10102, "FileOpenItemClick", false},
    {"File1", "FileCloseItem", "&Close", "Alt+F3", 10103, "FileCloseItemClick", false},
    {"File1", "FileSaveItem", "&Save", "Ctrl+S|F2", 10104, "FileSaveItemClick", false},
    {"File1", "FileSaveAsItem", "Save &As...", "", 10105, "FileSaveAsItemClick", false},
    {"File1", "SaveTraceBuffer1", "Save &Trace Buffer...", "", 10106, "SaveTraceBuffer1Click",
     true},
    {"File1", "FilePrintItem", "&Print", "Ctrl+P", 10107, "PrintBtnClick", true},
    {"File1", "ExecuteActiveWin1", "&Execute Active Win", "Ctrl+F9", 10108,
     "ExecuteActiveWin1Click", false},
    {"File1", "CheckActiveWin1", "C&heck Active Win ", "Alt+F9", 10109, "CheckActiveWin1Click",
     true},
    {"File1", "FileExitItem", "E&xit", "Alt+F4|Alt+X", 10110, "FileExitItemClick", false},
    {"Edit1", "Undo1", "&Undo", "Ctrl+Z", 10206, "Undo1Click", true},
    {"Edit1", "EditCutItem", "Cu&t", "Ctrl+X", 10201, "EditCut", false},
    {"Edit1", "EditCopyItem", "&Copy", "Ctrl+C", 10202, "EditCopy", false},
    {"Edit1", "EditPasteItem", "&Paste", "Ctrl+V", 10203, "EditPaste", true},
    {"Edit1", "Font1", "&Editor Font", "", 10204, "Font1Click", false},
    {"Edit1", "TraceFont1", "&Trace Font", "", 10205, "TraceFont1Click", false},
    {"Window1", "WindowCascadeItem", "&Cascade", "", 10301, "WindowCascadeItemClick", false},
    {"Window1", "WindowTileItem", "&Tile", "", 10302, "WindowTileItemClick", false},
    {"Window1", "Maximizewindow1", "Maximize &window", "F5", 10303, "Maximizewindow1Click", true},
    {"Window1", "NextWindow1", "&Next Window", "F6", 10309, "NextWindow1Click", false},
    {"Window1", "PreviousWindow1", "&Previous Window", "Shift+F6", 10310, "PreviousWindow1Click",
     true},
    {"Window1", "WindowMinimizeItem", "M&inimize All", "", 10304, "WindowMinimizeItemClick", false},
    {"Window1", "WindowArrangeItem", "&Arrange Icons", "", 10305, "WindowArrangeItemClick", true},
    {"Window1", "Trace1", "T&race window", "Alt+T", 10306, "Trace1Click", false},
    {"Window1", "ClearTracewindow1", "C&lear Trace window", "", 10307, "ClearTracewindow1Click",
     true},
    {"Window1", "MotionCalculator1", "&Motion Calculator", "F4", 10308, "MotionCalculator1Click",
     false},
    {"Program1", "AddressLabel", "&Address (Label)...", "", 10401, "AddressLabelClick", false},
    {"Program1", "Loop", "&Loop...", "", 10402, "LoopClick", false},
    {"Program1", "EndofLoop1", "&End of Loop", "", 10403, "EndofLoop1Click", false},
    {"Program1", "If1", "&If...", "", 10404, "If1Click", false},
    {"Program1", "UserFlagsAll1", "User &Flags All...", "", 10405, "UserFlagsAll1Click", false},
    {"Program1", "UserFlags1", "U&ser Flags...", "", 10406, "UserFlags1Click", false},
    {"Program1", "Jumps1", "&Jump...", "", 10407, "Jumps1Click", false},
    {"Program1", "Upload1", "&Upload...", "", 10408, "Upload1Click", false},
    {"Program1", "Wait1", "&Wait...", "", 10409, "Wait1Click", false},
    {"Program1", "Disable1", "&Disable", "", 10410, "Disable1Click", false},
    {"Program1", "Enable1", "E&nable", "", 10411, "Enable1Click", false},
    {"Program1", "MoveToRegister1", "Move &To Register...", "", 10412, "MoveToRegister1Click",
     false},
    {"Program1", "MoveFromRegister1", "Move &From Register...", "", 10413, "MoveFromRegister1Click",
     false},
    {"Program1", "Subrutine1", "Su&broutine...", "", 10414, "Subrutine1Click", false},
    {"Program1", "EndOfSubrutine1", "End &Of Subroutine", "", 10415, "EndOfSubrutine1Click", true},
    {"Program1", "Kill1", "&Kill", "F12", 10416, "Kill1Click", false},
    {"Program1", "ClearKill1", "&Clear Kill", "", 10417, "ClearKill1Click", true},
    {"Program1", "WholeC1", "W&hole C...", "Alt+L", 10418, "WholeC1Click", false},
    {"InOut1", "Waitforinput1", "&Wait for input...  ", "", 10501, "Waitforinput1Click", false},
    {"InOut1", "SetOutput1", "S&etOutput...", "", 10502, "SetOutput1Click", true},
    {"InOut1", "TurnOn1", "&Turn On...", "", 10503, "TurnOn1Click", false},
    {"InOut1", "Clear1", "&Clear...", "", 10504, "Clear1Click", true},
    {"InOut1", "Load1", "&Load...", "", 10505, "Load1Click", false},
    {"InOut1", "Query1", "&Query   ", "", 10506, "Query1Click", false},
    {"InOut1", "Order1", "O&rder...", "", 10507, "Order1Click", false},
    {"InOut1", "add1", "&Add...", "", 10508, "add1Click", false},
    {"InOut1", "Subtrack1", "&Subtract...", "", 10509, "Subtrack1Click", false},
    {"InOut1", "Multiply1", "&Multiply...", "", 10510, "Multiply1Click", false},
    {"InOut1", "Divide1", "&Divide...", "", 10511, "Divide1Click", false},
    {"Move1", "StartStop1", "&Start/Stop...", "", 10601, "StartStop1Click", false},
    {"Move1", "Acceleration1", "&Acceleration...", "", 10602, "Acceleration1Click", false},
    {"Move1", "Velocity1", "&Velocity...", "", 10603, "Velocity1Click", false},
    {"Move1", "PrOfile1", "Pr&ofile...", "", 10604, "PrOfile1Click", false},
    {"Move1", "Equal1", "&Equal...", "", 10605, "Equal1Click", true},
    {"Move1", "Backward1", "&Backward...", "", 10606, "Backward1Click", false},
    {"Move1", "Direct1", "&Direction", "", 10607, "Direct1Click", false},
    {"Move1", "Forward1", "&Forward...", "", 10608, "Forward1Click", false},
    {"Move1", "GoAbsolute1", "&Go Absolute...", "", 10609, "GoAbsolute1Click", false},
    {"Move1", "GoPositive1", "Go &Positive", "", 10610, "GoPositive1Click", false},
    {"Move1", "GoNegative1", "Go &Negative", "", 10611, "GoNegative1Click", false},
    {"Move1", "Home1", "&Home", "", 10612, "Home1Click", true},
    {"Move1", "Run1", "&Run", "F9", 10613, "Run1Click", false},
    {"Move1", "SeekPositive1", "Seek Pos&itive...", "", 10614, "SeekPositive1Click", false},
    {"Move1", "SeekNegative1", "Seek Nega&tive...", "", 10615, "SeekNegative1Click", false},
    {"Configuration1", "Reset2", "&Reset", "Ctrl+F2", 10701, "Reset2Click", false},
    {"Configuration1", "Reset1", "Shut&Down", "", 10702, "Reset1Click", false},
    {"Configuration1", "Index1", "Inde&x...", "", 10703, "Index1Click", true},
    {"Configuration1", "SetSerial", "&Serial Setup Dialog...", "", 10704, "SetSerialClick", false},
    {"Configuration1", "MotorResolution1", "&Motor Resolution...", "", 10705,
     "MotorResolution1Click", true},
    {"Configuration1", "Auxiliaryfunction1", "&Auxiliary functions...", "", 10706,
     "Auxiliaryfunction1Click", false},
    {"Sequencer1", "Microstep1", "&Microstep...", "", 10801, "Microstep1Click", false},
    {"Sequencer1", "Numofprofile1", "&Num. of profile...", "", 10802, "Numofprofile1Click", false},
    {"Sequencer1", "Qualification1", "&Qualification...", "", 10803, "Qualification1Click", false},
    {"Help1", "Help2", "Help", "F1", 1, "Help2Click", true},
    {"Help1", "HelpAboutItem", "&About", "", 0, "HelpAboutItemClick", false},
    {"User1", "RealMove1", "Real Move", "", 0, "RealMove1Click", false},
};

class MainFormMenusTest : public WorkspaceTest {
protected:
    Session session;
    TMainForm form{session, op};
};

TEST_F(MainFormMenusTest, TheTenMainMenusInOrderWithTheirHelpContexts) {
    struct Menu {
        const char* name;
        const char* caption;
        int help;
    };
    const Menu menus[] = {{"File1", "&File", 10100},
                          {"Edit1", "&Edit", 10200},
                          {"Window1", "&Window", 10300},
                          {"Program1", "&Program", 10400},
                          {"InOut1", "&In-Out", 10500},
                          {"Move1", "&Move", 10600},
                          {"Configuration1", "&Configuration", 10700},
                          {"Sequencer1", "&Sequencer", 10800},
                          {"Help1", "&Help", 1},
                          {"User1", "&User", 0}};
    ASSERT_EQ(form.MainMenus().size(), 10);
    const auto bar = form.menuBar()->actions();
    ASSERT_EQ(bar.size(), 10);
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE(menus[i].name);
        QMenu* m = form.MainMenus()[i];
        EXPECT_EQ(m->objectName(), menus[i].name);
        EXPECT_EQ(m->title(), menus[i].caption);
        EXPECT_EQ(bar[i], m->menuAction());
        EXPECT_EQ(m->property("helpContext").toInt(), menus[i].help);
    }
}

TEST_F(MainFormMenusTest, EveryItemWithCaptionShortcutsHelpHandlerAndSeparator) {
    QMap<QString, int> position; // next index per menu
    for (const Item& item : kItems) {
        SCOPED_TRACE(item.name);
        QMenu* menu = form.findChild<QMenu*>(item.menu);
        ASSERT_TRUE(menu);
        const auto actions = menu->actions();
        int& at = position[item.menu];
        ASSERT_LT(at, actions.size());
        QAction* a = actions[at++];
        EXPECT_EQ(a->objectName(), item.name);
        EXPECT_EQ(a->text(), item.caption);
        QStringList keys;
        for (const QKeySequence& k : a->shortcuts())
            keys << k.toString();
        EXPECT_EQ(keys.join('|'), item.keys);
        EXPECT_EQ(a->property("helpContext").toInt(), item.help);
        EXPECT_EQ(a->property("handler").toString(), item.handler);
        const bool separator = at < actions.size() && actions[at]->isSeparator();
        EXPECT_EQ(separator, item.separatorAfter);
        if (separator)
            ++at;
    }
    for (QMenu* m : form.MainMenus())
        EXPECT_EQ(position[m->objectName()], m->actions().size()) << m->objectName().toStdString();
}

TEST_F(MainFormMenusTest, ToolbarHintsAndInitialStatesAndStatusPanels) {
    struct Button {
        const char* name;
        const char* tooltip;
        bool enabled;
    };
    const Button buttons[] = {
        {"OpenBtn", "Open", true},
        {"SaveBtn", "Save", false},
        {"PrintBtn", "Print", true},
        {"CutBtn", "Cut", false},
        {"CopyBtn", "Copy", false},
        {"PasteBtn", "Paste", false},
        {"TilleBtn", "Tille", false},
        {"CascadeBtn", "Cascade", false},
        {"MaximizeBtn", "Maximize Window", false},
        {"RunBtn", "Execute Active Win", false},
        {"SpeedButton1", "Serial  Setup Dialog", true},
        {"ExitBtn", "Exit", true},
    };
    const auto all = form.findChildren<QToolButton*>(QString(), Qt::FindChildrenRecursively);
    QStringList order;
    for (QToolButton* b : all)
        if (!b->objectName().isEmpty() && !b->objectName().startsWith("qt_"))
            order << b->objectName();
    QStringList expected;
    for (const Button& b : buttons) {
        expected << b.name;
        QToolButton* button = form.Button(b.name);
        ASSERT_TRUE(button) << b.name;
        EXPECT_EQ(button->toolTip(), b.tooltip) << b.name;
        EXPECT_EQ(button->isEnabled(), b.enabled) << b.name;
    }
    EXPECT_EQ(order, expected);
    for (const char* name :
         {"FileSaveItem", "FileSaveAsItem", "EditCutItem", "EditCopyItem", "EditPasteItem"})
        EXPECT_FALSE(form.Action(name)->isEnabled()) << name;
    EXPECT_TRUE(form.Action("FileCloseItem")->isEnabled());

    EXPECT_EQ(form.windowTitle(), "ORVANT PC Utilities ");
    EXPECT_EQ(form.size(), QSize(469, 331));
    EXPECT_EQ(form.PanelText(0), "  Type of MCU : unknown");
    EXPECT_EQ(form.PanelText(1), "Serial: no init");
    EXPECT_EQ(form.PanelText(2), "X=?;  M=?;  Q=?;  S=?;  V=?;  A=?; R=?");
    const int widths[] = {200, 140, 90};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(form.findChild<QWidget*>(QString("Panel%1").arg(i))->width(), widths[i]);
    form.SetPanelText(2, "X=All;  ");
    EXPECT_EQ(form.PanelText(2), "X=All;  ");
}

TEST_F(MainFormMenusTest, MenuItemsAndButtonsRunTheirRegisteredCommands) {
    QStringList ran;
    form.Commands().Register("SetSerialClick", [&] { ran << "serial"; });
    form.Commands().Register("ExecuteActiveWin1Click", [&] { ran << "execute"; });
    form.Commands().Register("Velocity1Click", [&] { ran << "velocity"; });
    form.Action("SetSerial")->trigger();
    form.Button("SpeedButton1")->click();
    form.Action("ExecuteActiveWin1")->trigger();
    form.Action("Velocity1")->trigger();
    EXPECT_FALSE(form.RunMenuCommand("Kill1Click")) << "nothing registered under that name";
    EXPECT_EQ(ran, (QStringList{"serial", "serial", "execute", "velocity"}));

    // With the menus disabled their shortcuts do nothing either.
    form.show();
    QApplication::setActiveWindow(&form);
    form.SetMainMenusEnabled(false);
    for (QMenu* m : form.MainMenus())
        EXPECT_FALSE(m->menuAction()->isEnabled());
    QTest::keyClick(&form, Qt::Key_F5);
    EXPECT_EQ(form.LayoutMode, 1);
    form.SetMainMenusEnabled(true);
    for (QMenu* m : form.MainMenus())
        EXPECT_TRUE(m->menuAction()->isEnabled());
    QTest::keyClick(&form, Qt::Key_F5);
    EXPECT_EQ(form.LayoutMode, 3);
}

TEST_F(MainFormMenusTest, TheHiddenSecondShortcutsRunTheSameHandlers) {
    form.show();
    QApplication::setActiveWindow(&form);
    op.files.push_back(FileChoice{});
    QTest::keyClick(&form, Qt::Key_F3);
    EXPECT_EQ(op.events, QStringList{"File: Open"});
    QTest::keyClick(&form, Qt::Key_X, Qt::AltModifier);
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(QFileInfo::exists(Path("orv_win.ini")));
}

} // namespace
} // namespace orvant::test
