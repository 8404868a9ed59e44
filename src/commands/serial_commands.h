#pragma once
// The Configuration menu's serial setup, also behind the speed bar's serial button.

namespace orvant {

class CommandRegistry;
struct CommandContext;

void RegisterSerialCommands(CommandRegistry& registry, CommandContext& context);

} // namespace orvant
