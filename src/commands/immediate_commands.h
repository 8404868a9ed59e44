#pragma once
// The thirteen immediate commands of the Program, Move and Configuration menus: each sends
// its fixed line at once, without a dialog and without the line checker.

#include <span>

namespace orvant {

class CommandRegistry;
struct CommandContext;

struct ImmediateCommand {
    const char* handler;
    const char* line;
};

std::span<const ImmediateCommand> ImmediateCommands();

void RegisterImmediateCommands(CommandRegistry& registry, CommandContext& context);

} // namespace orvant
