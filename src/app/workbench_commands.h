#pragma once
// The one place where every feature group registers its menu commands.

namespace orvant {

class CommandRegistry;
struct CommandContext;

void RegisterWorkbenchCommands(CommandRegistry& registry, CommandContext& context);

} // namespace orvant
