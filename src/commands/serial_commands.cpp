#include "commands/serial_commands.h"

#include "commands/command_context.h"
#include "commands/command_registry.h"
#include "link/serial_setup.h"

namespace orvant {

void RegisterSerialCommands(CommandRegistry& registry, CommandContext& context) {
    registry.Register("SetSerialClick", [&context] { context.serialSetup.SetSerialClick(); });
}

} // namespace orvant
