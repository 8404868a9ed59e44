#pragma once
// A shown main window joined to its link, with every feature group's commands registered as
// at start-up: what the menus reach in the running workbench.

#include "app/workbench_commands.h"
#include "workspace/workbench_link.h"
#include "workspace_fixture.h"

#include <memory>

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

} // namespace orvant::test
