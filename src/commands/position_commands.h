#pragma once
// Equal, Backward, Forward and Go Absolute of the Move menu: a distance or position in a
// unit of the operator's choice, sent in microsteps.

#include <string>

namespace orvant {

class CommandRegistry;
struct CommandContext;

// Shows the position entry until a line is sent or the operator cancels.
void PositionCommand(CommandContext& context, char letter, const std::string& title,
                     int helpContext);

void RegisterPositionCommands(CommandRegistry& registry, CommandContext& context);

} // namespace orvant
