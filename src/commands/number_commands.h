#pragma once
// The fifteen one-number commands of the In-Out and Move menus, with the Start/Stop,
// Velocity and Acceleration chains that keep the three motion values consistent.

#include <cstdint>

namespace orvant {

class CommandRegistry;
struct CommandContext;

void RegisterNumberCommands(CommandRegistry& registry, CommandContext& context);

void StartStop1Click(CommandContext& context);
void Velocity1Click(CommandContext& context);
void Acceleration1Click(CommandContext& context);
// Warns and runs the Acceleration command when the acceleration of the current address
// does not suit start/stop velocity `s`.
void AccelerationCheck(CommandContext& context, std::int32_t s);

} // namespace orvant
