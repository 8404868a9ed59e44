#include "commands/immediate_commands.h"

#include "commands/command_context.h"
#include "commands/command_registry.h"
#include "link/controller_link.h"

#include <array>

namespace orvant {

namespace {

constexpr std::array<ImmediateCommand, 13> kCommands = {{
    {"EndofLoop1Click", "E"},
    {"Disable1Click", "["},
    {"Enable1Click", "]"},
    {"EndOfSubrutine1Click", "."},
    {"Kill1Click", "K"},
    {"ClearKill1Click", "C75"},
    {"Direct1Click", "D"},
    {"GoPositive1Click", "G+"},
    {"GoNegative1Click", "G-"},
    {"Home1Click", "H"},
    {"Run1Click", "R"},
    {"Reset2Click", "\\"},
    {"Reset1Click", "_"}, // ShutDown
}};

} // namespace

std::span<const ImmediateCommand> ImmediateCommands() {
    return kCommands;
}

void RegisterImmediateCommands(CommandRegistry& registry, CommandContext& context) {
    for (const ImmediateCommand& command : kCommands)
        registry.Register(command.handler,
                          [&context, &command] { context.link.SendCommand(command.line); });
}

} // namespace orvant
