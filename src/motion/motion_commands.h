#pragma once
// The Window menu's motion calculator.

namespace orvant {

class CommandRegistry;
class TMotion;
struct CommandContext;

// Opens a new calculator window in the workspace, active and with the distance field
// focused; several can be open at once. Null when there is no workspace.
TMotion* MotionCalculator1Click(CommandContext& context);

void RegisterMotionCommands(CommandRegistry& registry, CommandContext& context);

} // namespace orvant
