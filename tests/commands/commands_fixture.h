#pragma once
// The main window with its link to the simulator on COM1, every command registered, the
// port open and the session as after identifying a K2207 (M 4, S 200, V 1000, A 64, R 200).

#include "app/workbench_commands.h"
#include "sim/k2207_simulator.h"
#include "workspace/tmain_form.h"
#include "workspace/workbench_link.h"
#include "workspace_fixture.h"

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QTest>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace orvant::test {

class CommandsTest : public WorkspaceTest {
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
        RegisterWorkbenchCommands(form->Commands(), link->Context());
        form->resize(800, 600);
        form->show();
        ASSERT_TRUE(link->Setup().OpenPort());
        op.events.clear();       // the beep of opening the port
        session.ModelCode() = 2; // a K2207B: the shortest send gap
        session.ResetAddressSettings();
    }
    void TearDown() override {
        link.reset();
        form.reset();
        sim.Stop();
        qputenv("ORVANT_COM1", previousCom1);
        WorkspaceTest::TearDown();
    }

    AddressRecord& Record() { return session.CurrentRecord(); }

    // Runs a menu item by its handler, as a click on it does.
    void Choose(const std::string& handler) {
        for (const MenuItemSpec& item : MenuItemTable()) {
            if (handler == item.handler) {
                QAction* action = form->Action(item.name);
                ASSERT_NE(action, nullptr) << item.name;
                action->trigger();
                return;
            }
        }
        ADD_FAILURE() << "no menu item runs " << handler;
    }

    // The lines the simulator received since the last call, once `count` of them arrived.
    std::vector<std::string> Wire(std::size_t count) {
        EXPECT_TRUE(sim.WaitForLogSize(seen_ + count, 3.0)) << "fewer lines than " << count;
        std::vector<std::string> lines;
        const auto log = sim.Log();
        for (std::size_t i = seen_; i < log.size(); ++i)
            lines.push_back(log[i].text);
        seen_ = log.size();
        return lines;
    }
    // True when nothing was sent since the last Wire().
    bool NothingSent() {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        return sim.Log().size() == seen_;
    }

    // A dialog step that notes the dialog's title and a label's text, then presses Cancel.
    std::function<bool(QDialog&)> Look(QString* title, const char* label, QString* text) {
        return [=](QDialog& d) {
            *title = d.windowTitle();
            if (auto* l = d.findChild<QLabel*>(label))
                *text = l->text();
            else
                ADD_FAILURE() << "no label " << label;
            ScriptedOperator::pressButton(d, false);
            return false;
        };
    }

    sim::K2207Simulator sim;
    QByteArray previousCom1;
    Session session;
    std::unique_ptr<TMainForm> form;
    std::unique_ptr<WorkbenchLink> link;

private:
    std::size_t seen_ = 0;
};

} // namespace orvant::test
