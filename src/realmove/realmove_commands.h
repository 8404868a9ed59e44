#pragma once
// The "User" menu's Real Move command.

namespace orvant {

class CommandRegistry;
struct CommandContext;

// Opens a new Real Move panel modally; one beep when it closes.
void RealMove1Click(CommandContext& context);

void RegisterRealMoveCommands(CommandRegistry& registry, CommandContext& context);

} // namespace orvant
