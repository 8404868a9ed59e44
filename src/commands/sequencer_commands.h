#pragma once
// The Sequencer menu (microsteps, qualification, current-profile characteristic) and the
// Configuration dialogs for the controller index, the motor resolution and the auxiliary
// functions.

namespace orvant {

class CommandRegistry;
struct CommandContext;

void RegisterSequencerCommands(CommandRegistry& registry, CommandContext& context);

void Microstep1Click(CommandContext& context);
void Qualification1Click(CommandContext& context);
void Numofprofile1Click(CommandContext& context);
void Index1Click(CommandContext& context);
void MotorResolution1Click(CommandContext& context);
void Auxiliaryfunction1Click(CommandContext& context);

} // namespace orvant
