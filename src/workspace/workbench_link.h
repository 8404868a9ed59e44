#pragma once
// The controller link of the running workbench: the serial port object, the clock, the
// link with its receive buffer and the serial setup, joined to the main window's status
// bar, trace window, main menus and hooks, and the context of the menu commands. It lives as long
// as the main window.

#include "commands/command_context.h"
#include "link/comm_port_driver.h"
#include "link/controller_link.h"
#include "link/monotonic_clock.h"
#include "link/serial_setup.h"

namespace orvant {

class Operator;
class Session;
class TMainForm;

class WorkbenchLink {
public:
    WorkbenchLink(Session& session, Operator& op, TMainForm& form);
    ~WorkbenchLink();

    WorkbenchLink(const WorkbenchLink&) = delete;
    WorkbenchLink& operator=(const WorkbenchLink&) = delete;

    TCommPortDriver& Port() { return port_; }
    ControllerLink& Link() { return link_; }
    SerialSetup& Setup() { return setup_; }
    // What the menu commands work with: this link, the main window's session, operator,
    // workspace, settings summary and active document.
    CommandContext& Context() { return context_; }

private:
    TMainForm& form_;
    TCommPortDriver port_;
    SteadyClock clock_;
    ControllerLink link_;
    SerialSetup setup_;
    CommandContext context_;
};

} // namespace orvant
