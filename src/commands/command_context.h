#pragma once
// What a menu command needs to do its work: the session, the operator, the controller link,
// the window its dialogs belong to, and the refresh of the settings summary in the status bar.

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QMdiArea;
class QWidget;

namespace orvant {

class ControllerLink;
class Operator;
class SerialSetup;
class Session;

struct CommandContext {
    Session& session;
    Operator& op;
    ControllerLink& link;
    SerialSetup& serialSetup;
    // Parent of the command's dialogs (the main window); may be null in tests.
    QWidget* dialogParent = nullptr;
    // The workspace that holds child windows (editor documents, calculators).
    QMdiArea* workspace = nullptr;
    // Rebuilds status panel 2 from the settings of the current address.
    std::function<void()> showSettingsSummary;
    // The lines of the active child window when it is an editor document; nothing when the
    // trace window or another child is active, or no window is open.
    std::function<std::optional<std::vector<std::string>>()> activeScriptLines;

    void ShowSettingsSummary() const {
        if (showSettingsSummary)
            showSettingsSummary();
    }
};

} // namespace orvant
