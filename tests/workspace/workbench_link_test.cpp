#include "language/session.h"
#include "sim/k2207_simulator.h"
#include "workspace/tmain_form.h"
#include "workspace/trace_view.h"
#include "workspace/ttrace_win.h"
#include "workspace/workbench_link.h"
#include "workspace_fixture.h"

#include <QMenu>
#include <QRegularExpression>

#include <memory>

namespace orvant::test {
namespace {

// The main window joined to its link, against the simulator on COM1.
class WorkbenchLinkTest : public WorkspaceTest {
protected:
    void SetUp() override {
        WorkspaceTest::SetUp();
        std::string error;
        ASSERT_TRUE(sim.Start(&error)) << error;
        previousCom1 = qgetenv("ORVANT_COM1");
        qputenv("ORVANT_COM1", QByteArray::fromStdString(sim.SlavePath()));
        form = std::make_unique<TMainForm>(session, op);
        form->CreateTraceWindow();
        link = std::make_unique<WorkbenchLink>(session, op, *form);
        form->show();
    }
    void TearDown() override {
        link.reset();
        form.reset();
        sim.Stop();
        qputenv("ORVANT_COM1", previousCom1);
        WorkspaceTest::TearDown();
    }

    sim::K2207Simulator sim;
    QByteArray previousCom1;
    Session session;
    std::unique_ptr<TMainForm> form;
    std::unique_ptr<WorkbenchLink> link;
};

TEST_F(WorkbenchLinkTest, StartUpSerialSetupFillsThePanelsAndTheTrace) {
    ASSERT_TRUE(form->serialInitHook);
    form->serialInitHook();
    EXPECT_EQ(form->PanelText(0), "  Type of MCU : K2207B, 2032 bits");
    EXPECT_NE(form->PanelText(1), "Serial: no init");
    EXPECT_TRUE(form->PanelText(2).startsWith("X=All;  M=4;  Q=1;  S=200;  V=1000;  A=64;"))
        << form->PanelText(2).toStdString();
    EXPECT_GE(form->TraceWin()->Editor->LineCount(), 3u);
    for (QMenu* m : form->MainMenus())
        EXPECT_TRUE(m->menuAction()->isEnabled());

    const std::size_t before = form->TraceWin()->Editor->LineCount();
    link->Link().SendCommand("V1500");
    ASSERT_EQ(form->TraceWin()->Editor->LineCount(), before + 1);
    EXPECT_TRUE(form->TraceWin()->Editor->Line(before).starts_with("V1500\t\t;"));

    EXPECT_TRUE(link->Port().IsOpen());
    EXPECT_TRUE(form->close());
    EXPECT_FALSE(link->Port().IsOpen()) << "the port closes after the state file is written";
}

TEST_F(WorkbenchLinkTest, SendingBeforeSetUpWarnsAndOffersTheSerialSetupDialog) {
    op.dialogs.push_back([](QDialog&) { return false; }); // the operator cancels it
    link->Link().SendCommand("K");
    ASSERT_GE(op.events.size(), 2);
    EXPECT_EQ(op.events[0], "Warning: COM port not initiated.\rPlease set Serial Setup Values");
    EXPECT_EQ(op.events.filter(QRegularExpression("^Dialog: ")).size(), 1)
        << op.events.join('|').toStdString();
    EXPECT_EQ(form->TraceWin()->Editor->LineCount(), 0u);
    EXPECT_TRUE(sim.Log().empty());
}

} // namespace
} // namespace orvant::test
