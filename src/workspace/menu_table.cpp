// The main window's menus: every item with its caption, shortcut, hidden second shortcut,
// help context, handler and the separator that follows it.

#include "workspace/tmain_form.h"

namespace orvant {

const std::vector<MainMenuSpec>& MainMenuTable() {
    static const std::vector<MainMenuSpec> table = {
        {"File1", "&File", 10100},
        {"Edit1", "&Edit", 10200},
        {"Window1", "&Window", 10300},
        {"Program1", "&Program", 10400},
        {"InOut1", "&In-Out", 10500},
        {"Move1", "&Move", 10600},
        {"Configuration1", "&Configuration", 10700},
        {"Sequencer1", "&Sequencer", 10800},
        {"Help1", "&Help", 1},
        {"User1", "&User", 0},
    };
    return table;
}

const std::vector<MenuItemSpec>& MenuItemTable() {
    enum { File, Edit, Window, Program, InOut, Move, Configuration, Sequencer, Help, User };
    static const std::vector<MenuItemSpec> table = {
        {File, "FileNewItem", "&New", "Ctrl+N", "", 10101, "FileNewItemClick", false},
        {File, "FileOpenItem", "&Open", "Ctrl+O", "F3", 10102, "FileOpenItemClick", false},
        {File, "FileCloseItem", "&Close", "Alt+F3", "", 10103, "FileCloseItemClick", false},
        {File, "FileSaveItem", "&Save", "Ctrl+S", "F2", 10104, "FileSaveItemClick", false},
        {File, "FileSaveAsItem", "Save &As...", "", "", 10105, "FileSaveAsItemClick", false},
        {File, "SaveTraceBuffer1", "Save &Trace Buffer...", "", "", 10106, "SaveTraceBuffer1Click",
         true},
        {File, "FilePrintItem", "&Print", "Ctrl+P", "", 10107, "PrintBtnClick", true},
        {File, "ExecuteActiveWin1", "&Execute Active Win", "Ctrl+F9", "", 10108,
         "ExecuteActiveWin1Click", false},
        {File, "CheckActiveWin1", "C&heck Active Win ", "Alt+F9", "", 10109, "CheckActiveWin1Click",
         true},
        {File, "FileExitItem", "E&xit", "Alt+F4", "Alt+X", 10110, "FileExitItemClick", false},

        {Edit, "Undo1", "&Undo", "Ctrl+Z", "", 10206, "Undo1Click", true},
        {Edit, "EditCutItem", "Cu&t", "Ctrl+X", "", 10201, "EditCut", false},
        {Edit, "EditCopyItem", "&Copy", "Ctrl+C", "", 10202, "EditCopy", false},
        {Edit, "EditPasteItem", "&Paste", "Ctrl+V", "", 10203, "EditPaste", true},
        {Edit, "Font1", "&Editor Font", "", "", 10204, "Font1Click", false},
        {Edit, "TraceFont1", "&Trace Font", "", "", 10205, "TraceFont1Click", false},

        {Window, "WindowCascadeItem", "&Cascade", "", "", 10301, "WindowCascadeItemClick", false},
        {Window, "WindowTileItem", "&Tile", "", "", 10302, "WindowTileItemClick", false},
        {Window, "Maximizewindow1", "Maximize &window", "F5", "", 10303, "Maximizewindow1Click",
         true},
        {Window, "NextWindow1", "&Next Window", "F6", "", 10309, "NextWindow1Click", false},
        {Window, "PreviousWindow1", "&Previous Window", "Shift+F6", "", 10310,
         "PreviousWindow1Click", true},
        {Window, "WindowMinimizeItem", "M&inimize All", "", "", 10304, "WindowMinimizeItemClick",
         false},
        {Window, "WindowArrangeItem", "&Arrange Icons", "", "", 10305, "WindowArrangeItemClick",
         true},
        {Window, "Trace1", "T&race window", "Alt+T", "", 10306, "Trace1Click", false},
        {Window, "ClearTracewindow1", "C&lear Trace window", "", "", 10307,
         "ClearTracewindow1Click", true},
        {Window, "MotionCalculator1", "&Motion Calculator", "F4", "", 10308,
         "MotionCalculator1Click", false},

        {Program, "AddressLabel", "&Address (Label)...", "", "", 10401, "AddressLabelClick", false},
        {Program, "Loop", "&Loop...", "", "", 10402, "LoopClick", false},
        {Program, "EndofLoop1", "&End of Loop", "", "", 10403, "EndofLoop1Click", false},
        {Program, "If1", "&If...", "", "", 10404, "If1Click", false},
        {Program, "UserFlagsAll1", "User &Flags All...", "", "", 10405, "UserFlagsAll1Click",
         false},
        {Program, "UserFlags1", "U&ser Flags...", "", "", 10406, "UserFlags1Click", false},
        {Program, "Jumps1", "&Jump...", "", "", 10407, "Jumps1Click", false},
        {Program, "Upload1", "&Upload...", "", "", 10408, "Upload1Click", false},
        {Program, "Wait1", "&Wait...", "", "", 10409, "Wait1Click", false},
        {Program, "Disable1", "&Disable", "", "", 10410, "Disable1Click", false},
        {Program, "Enable1", "E&nable", "", "", 10411, "Enable1Click", false},
        {Program, "MoveToRegister1", "Move &To Register...", "", "", 10412, "MoveToRegister1Click",
         false},
        {Program, "MoveFromRegister1", "Move &From Register...", "", "", 10413,
         "MoveFromRegister1Click", false},
        {Program, "Subrutine1", "Su&broutine...", "", "", 10414, "Subrutine1Click", false},
        {Program, "EndOfSubrutine1", "End &Of Subroutine", "", "", 10415, "EndOfSubrutine1Click",
         true},
        {Program, "Kill1", "&Kill", "F12", "", 10416, "Kill1Click", false},
        {Program, "ClearKill1", "&Clear Kill", "", "", 10417, "ClearKill1Click", true},
        {Program, "WholeC1", "W&hole C...", "Alt+L", "", 10418, "WholeC1Click", false},

        {InOut, "Waitforinput1", "&Wait for input...  ", "", "", 10501, "Waitforinput1Click",
         false},
        {InOut, "SetOutput1", "S&etOutput...", "", "", 10502, "SetOutput1Click", true},
        {InOut, "TurnOn1", "&Turn On...", "", "", 10503, "TurnOn1Click", false},
        {InOut, "Clear1", "&Clear...", "", "", 10504, "Clear1Click", true},
        {InOut, "Load1", "&Load...", "", "", 10505, "Load1Click", false},
        {InOut, "Query1", "&Query   ", "", "", 10506, "Query1Click", false},
        {InOut, "Order1", "O&rder...", "", "", 10507, "Order1Click", false},
        {InOut, "add1", "&Add...", "", "", 10508, "add1Click", false},
        {InOut, "Subtrack1", "&Subtract...", "", "", 10509, "Subtrack1Click", false},
        {InOut, "Multiply1", "&Multiply...", "", "", 10510, "Multiply1Click", false},
        {InOut, "Divide1", "&Divide...", "", "", 10511, "Divide1Click", false},

        {Move, "StartStop1", "&Start/Stop...", "", "", 10601, "StartStop1Click", false},
        {Move, "Acceleration1", "&Acceleration...", "", "", 10602, "Acceleration1Click", false},
        {Move, "Velocity1", "&Velocity...", "", "", 10603, "Velocity1Click", false},
        {Move, "PrOfile1", "Pr&ofile...", "", "", 10604, "PrOfile1Click", false},
        {Move, "Equal1", "&Equal...", "", "", 10605, "Equal1Click", true},
        {Move, "Backward1", "&Backward...", "", "", 10606, "Backward1Click", false},
        {Move, "Direct1", "&Direction", "", "", 10607, "Direct1Click", false},
        {Move, "Forward1", "&Forward...", "", "", 10608, "Forward1Click", false},
        {Move, "GoAbsolute1", "&Go Absolute...", "", "", 10609, "GoAbsolute1Click", false},
        {Move, "GoPositive1", "Go &Positive", "", "", 10610, "GoPositive1Click", false},
        {Move, "GoNegative1", "Go &Negative", "", "", 10611, "GoNegative1Click", false},
        {Move, "Home1", "&Home", "", "", 10612, "Home1Click", true},
        {Move, "Run1", "&Run", "F9", "", 10613, "Run1Click", false},
        {Move, "SeekPositive1", "Seek Pos&itive...", "", "", 10614, "SeekPositive1Click", false},
        {Move, "SeekNegative1", "Seek Nega&tive...", "", "", 10615, "SeekNegative1Click", false},

        {Configuration, "Reset2", "&Reset", "Ctrl+F2", "", 10701, "Reset2Click", false},
        {Configuration, "Reset1", "Shut&Down", "", "", 10702, "Reset1Click", false},
        {Configuration, "Index1", "Inde&x...", "", "", 10703, "Index1Click", true},
        {Configuration, "SetSerial", "&Serial Setup Dialog...", "", "", 10704, "SetSerialClick",
         false},
        {Configuration, "MotorResolution1", "&Motor Resolution...", "", "", 10705,
         "MotorResolution1Click", true},
        {Configuration, "Auxiliaryfunction1", "&Auxiliary functions...", "", "", 10706,
         "Auxiliaryfunction1Click", false},

        {Sequencer, "Microstep1", "&Microstep...", "", "", 10801, "Microstep1Click", false},
        {Sequencer, "Numofprofile1", "&Num. of profile...", "", "", 10802, "Numofprofile1Click",
         false},
        {Sequencer, "Qualification1", "&Qualification...", "", "", 10803, "Qualification1Click",
         false},

        {Help, "Help2", "Help", "F1", "", 1, "Help2Click", true},
        {Help, "HelpAboutItem", "&About", "", "", 0, "HelpAboutItemClick", false},

        {User, "RealMove1", "Real Move", "", "", 0, "RealMove1Click", false},
    };
    return table;
}

} // namespace orvant
