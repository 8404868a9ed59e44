#include "language/session.h"
#include "workspace/tmain_form.h"
#include "workspace/tmdi_child.h"
#include "workspace/ttrace_win.h"
#include "workspace_fixture.h"

#include <QAction>

namespace orvant::test {
namespace {

using CheckActWinTest = MainFormFixture;

TEST_F(CheckActWinTest, ThePassingScriptReportsItsSizeOnlyWhenAsked) {
    session.ResetAddressSettings();
    session.ModelCode() = 2;
    session.MemoryBits = 2032;
    form->FileNewItemClick();
    form->ActiveDocument()->SetLines({"S200", "V1000", "A64", "F6400", "W500", "K"});
    form->Action("CheckActiveWin1")->trigger();
    EXPECT_EQ(op.events, QStringList{"Information: Check is OK - 0 ERRORS\r"
                                     "Length of command file :   144 bits"});
    op.events.clear();
    EXPECT_TRUE(form->CheckActWin(false));
    EXPECT_TRUE(op.events.isEmpty());
}

TEST_F(CheckActWinTest, FaultyLinesSoundTheAlarmBeforeEachErrorBox) {
    form->FileNewItemClick();
    form->ActiveDocument()->SetLines({"K", "", "V99999999"});
    EXPECT_FALSE(form->CheckActWin(true));
    ASSERT_EQ(op.events.size(), 3);
    EXPECT_EQ(op.events[0], "Sound: CriticalStop");
    EXPECT_TRUE(op.events[1].startsWith("Error: Line     3\rV99999999\r\r"))
        << op.events[1].toStdString();
    EXPECT_TRUE(op.events[2].startsWith("Error: 1 ERROR \r\r")) << op.events[2].toStdString();
}

TEST_F(CheckActWinTest, WithoutAnActiveDocumentNothingHappens) {
    form->TraceWin()->Trace1Click();
    EXPECT_FALSE(form->CheckActWin(true));
    EXPECT_TRUE(op.events.isEmpty());
}

} // namespace
} // namespace orvant::test
