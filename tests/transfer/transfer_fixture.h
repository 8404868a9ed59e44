#pragma once
// The main window joined to its link and its registered commands, against the controller
// simulator on COM1.

#include "app/workbench_commands.h"
#include "sim/k2207_simulator.h"
#include "support/scoped_env.h"
#include "workspace/tmdi_child.h"
#include "workspace/workbench_link.h"
#include "workspace_fixture.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace orvant::test {

class TransferTest : public MainFormFixture {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(sim.Start(&error)) << error;
        com1.emplace("ORVANT_COM1", sim.SlavePath());
        MainFormFixture::SetUp();
        link = std::make_unique<WorkbenchLink>(session, op, *form);
        RegisterWorkbenchCommands(form->Commands(), link->Context());
    }
    void TearDown() override {
        link.reset();
        MainFormFixture::TearDown();
        sim.Stop();
        com1.reset();
    }
    // Opens COM1 as the serial setup does, without identifying.
    void OpenLink() {
        ASSERT_TRUE(link->Setup().OpenPort()) << op.events.join("\n").toStdString();
        op.events.clear();
    }
    void NewDocument(const std::vector<std::string>& lines) {
        form->FileNewItemClick();
        form->ActiveDocument()->SetLines(lines);
    }
    bool Run(const char* handler) { return form->Commands().Run(handler); }
    std::vector<std::string> SimCommands() const {
        std::vector<std::string> out;
        for (const auto& e : sim.Log())
            out.push_back(e.text);
        return out;
    }

    sim::K2207Simulator sim;
    std::optional<ScopedEnv> com1;
    std::unique_ptr<WorkbenchLink> link;
};

} // namespace orvant::test
