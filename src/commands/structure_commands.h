#pragma once
// The Program and In-Out menu commands that build program-structure and input/output lines
// in small dialogs: labels, loops, conditions, jumps, waits, register moves, subroutine
// calls, user flags, waiting for an input, setting an output and whole command lines.

namespace orvant {

class CommandRegistry;
struct CommandContext;

void RegisterStructureCommands(CommandRegistry& registry, CommandContext& context);

void AddressLabelClick(CommandContext& context);
void LoopClick(CommandContext& context);
void If1Click(CommandContext& context);
void Wait1Click(CommandContext& context);
void WholeC1Click(CommandContext& context);
void Jumps1Click(CommandContext& context);
void Subrutine1Click(CommandContext& context);
void MoveToRegister1Click(CommandContext& context);
void MoveFromRegister1Click(CommandContext& context);
void UserFlags1Click(CommandContext& context);
void UserFlagsAll1Click(CommandContext& context);
void Waitforinput1Click(CommandContext& context);
void SetOutput1Click(CommandContext& context);

} // namespace orvant
