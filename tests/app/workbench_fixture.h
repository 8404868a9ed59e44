#pragma once
// A shown main window joined to its link, with every feature group's commands registered as
// at start-up: what the menus reach in the running workbench.

#include "app/workbench_commands.h"
#include "sim/k2207_simulator.h"
#include "support/scoped_env.h"
#include "workspace/workbench_link.h"
#include "workspace_fixture.h"

#include <memory>
#include <optional>
#include <string>

namespace orvant::test {

class WorkbenchFixture : public MainFormFixture {
protected:
    void SetUp() override {
        MainFormFixture::SetUp();
        link = std::make_unique<WorkbenchLink>(session, op, *form);
        RegisterWorkbenchCommands(form->Commands(), link->Context());
    }
    void TearDown() override {
        link.reset();
        MainFormFixture::TearDown();
    }

    std::unique_ptr<WorkbenchLink> link;
};

// The same, with the controller simulator on COM1 (the port is not opened yet).
class SimulatedWorkbenchFixture : public WorkbenchFixture {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(sim.Start(&error)) << error;
        com1.emplace("ORVANT_COM1", sim.SlavePath());
        WorkbenchFixture::SetUp();
    }
    void TearDown() override {
        WorkbenchFixture::TearDown();
        sim.Stop();
        com1.reset();
    }

    sim::K2207Simulator sim;
    std::optional<ScopedEnv> com1;
};

} // namespace orvant::test
