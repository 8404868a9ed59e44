#pragma once
// The start-up sequence of the workbench, in its order.

namespace orvant {

class Operator;
class TMainForm;

inline constexpr char kApplicationTitle[] = "ORVANT PC Utilities";

// Runs everything between creating the main window and the message loop: the trace window
// (width 155, top 1), the application title, the About box (modal), the state file and the
// help file. The main window is shown once the About box is dismissed. False when the
// operator already closed the workbench while the state file's documents reopened.
bool RunStartUp(TMainForm& form, Operator& op);

} // namespace orvant
