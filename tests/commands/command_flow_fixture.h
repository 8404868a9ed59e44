#pragma once
// A menu command run headless from its handler name to the bytes at the controller
// simulator: the workbench end of the link on an open port (no identification), the command
// context built on it, and the command groups registered.

#include "commands/command_context.h"
#include "commands/command_registry.h"
#include "link_fixture.h"

#include <QDialog>
#include <QVariant>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace orvant::test {

class CommandFlowTest : public SimLinkTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs a registered command the way its menu item does.
    void Run(const std::string& handler);
    // The lines the simulator received since the port was opened, waiting until there are
    // `count` of them (and a moment longer, so that a line too many shows).
    std::vector<std::string> Sent(std::size_t count);

    // Scripts the next dialog: fills the named controls and presses OK or Cancel.
    void Next(std::map<QString, QVariant> values, bool accept = true);
    // Scripts the next dialog with a step of the test's own.
    void NextStep(std::function<bool(QDialog&)> step);

    // Status panel 2 as the last settings-summary refresh left it; empty before any.
    QString summary;
    int summaries = 0;
    std::unique_ptr<CommandRegistry> registry;
    std::unique_ptr<CommandContext> context;
};

// The selected item of the radio group `name` of `dialog`.
int SelectedItem(QDialog& dialog, const char* name);

} // namespace orvant::test
