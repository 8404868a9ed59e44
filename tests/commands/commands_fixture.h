#pragma once
// The main window with its link to the simulator on COM1, every command registered, the
// port open and the session as after identifying a K2207 (M 4, S 200, V 1000, A 64, R 200).

#include "workbench_fixture.h"
#include "workspace/tmain_form.h"

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QTest>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace orvant::test {

class CommandsTest : public SimulatedWorkbenchFixture {
protected:
    void SetUp() override {
        SimulatedWorkbenchFixture::SetUp();
        if (HasFatalFailure())
            return;
        ASSERT_TRUE(link->Setup().OpenPort());
        op.events.clear();       // the beep of opening the port
        session.ModelCode() = 2; // a K2207B: the shortest send gap
        session.ResetAddressSettings();
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

private:
    std::size_t seen_ = 0;
};

} // namespace orvant::test
