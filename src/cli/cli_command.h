#pragma once
// orvant-cli sub-commands. Each command file registers itself with a static CliRegistrar:
//
//   const CliRegistrar kRegisterSend({"send", kUsage, &RunSend, "one-line summary", kDetails});
//
// The program's entry handles "--help" for every command (its usage line, summary and
// details on standard output), lists the commands in "orvant-cli --help", and dispatches.

#include <string_view>

namespace orvant::cli {

struct CliCommand {
    std::string_view name;  // "check", "identify", ...
    std::string_view usage; // one usage line without the program name
    // argv[0] is the command name; returns the process exit status.
    int (*run)(int argc, char** argv);
    std::string_view summary = {}; // one line for the command list
    std::string_view details = {}; // options, output and exit status, for --help
};

void RegisterCliCommand(const CliCommand& command);

struct CliRegistrar {
    explicit CliRegistrar(const CliCommand& command) { RegisterCliCommand(command); }
};

} // namespace orvant::cli
