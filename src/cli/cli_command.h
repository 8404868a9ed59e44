#pragma once
// orvant-cli sub-commands. Each command file registers itself with a static CliRegistrar.

#include <string_view>

namespace orvant::cli {

struct CliCommand {
    std::string_view name;  // "check", "identify", ...
    std::string_view usage; // one usage line without the program name
    // argv[0] is the command name; returns the process exit status.
    int (*run)(int argc, char** argv);
};

void RegisterCliCommand(const CliCommand& command);

struct CliRegistrar {
    explicit CliRegistrar(const CliCommand& command) { RegisterCliCommand(command); }
};

} // namespace orvant::cli
