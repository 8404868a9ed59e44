#include "commands/command_registry.h"

#include "link/operator.h"

#include <stdexcept>

namespace orvant {

CommandRegistry::CommandRegistry(Operator& op) : op_(op) {}

void CommandRegistry::Register(const std::string& name, Handler handler) {
    if (!handler)
        throw std::logic_error("command " + name + " registered without a handler");
    if (!handlers_.emplace(name, std::move(handler)).second)
        throw std::logic_error("command " + name + " registered twice");
}

bool CommandRegistry::Contains(const std::string& name) const {
    return handlers_.count(name) != 0;
}

std::vector<std::string> CommandRegistry::Names() const {
    std::vector<std::string> out;
    out.reserve(handlers_.size());
    for (const auto& entry : handlers_)
        out.push_back(entry.first);
    return out;
}

bool CommandRegistry::Run(const std::string& name) {
    const auto it = handlers_.find(name);
    if (it == handlers_.end())
        return false;
    // Copied, so that a handler may register or replace commands without pulling its own
    // function out from under itself.
    const Handler handler = it->second;
    return RunExclusive(handler);
}

bool CommandRegistry::RunExclusive(const std::function<void()>& work) {
    if (Busy()) {
        op_.playSound(Sound::Default);
        return false;
    }
    Hold hold(depth_);
    work();
    return true;
}

} // namespace orvant
