#pragma once
// Registers a feature group's handlers from a table of menu handler names and functions
// that take the command context.

#include "commands/command_context.h"
#include "commands/command_registry.h"

#include <initializer_list>

namespace orvant {

struct NamedHandler {
    const char* name;
    void (*handler)(CommandContext&);
};

inline void RegisterHandlers(CommandRegistry& registry, CommandContext& context,
                             std::initializer_list<NamedHandler> handlers) {
    for (const NamedHandler& h : handlers)
        registry.Register(h.name, [&context, fn = h.handler] { fn(context); });
}

} // namespace orvant
