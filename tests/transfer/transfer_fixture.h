#pragma once
// The main window joined to its link and its registered commands, against the controller
// simulator on COM1.

#include "workbench_fixture.h"
#include "workspace/tmdi_child.h"

#include <string>
#include <vector>

namespace orvant::test {

class TransferTest : public SimulatedWorkbenchFixture {
protected:
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
};

} // namespace orvant::test
