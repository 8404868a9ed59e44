#pragma once
// The program transfer and readback commands: "&Execute Active Win" (menu, Ctrl+F9 and the
// RunBtn speed button) and "&Upload...".

namespace orvant {

class CommandRegistry;
struct CommandContext;

void RegisterTransferCommands(CommandRegistry& registry, CommandContext& context);

// The handlers, for the registration and for tests.
void ExecuteActiveWin1Click(CommandContext& context);
void Upload1Click(CommandContext& context);

} // namespace orvant
