// orvant-cli: the workbench's logic for scripts and CI.

#include "cli_command.h"

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

namespace orvant::cli {

namespace {
std::vector<CliCommand>& Commands() {
    static std::vector<CliCommand> commands;
    return commands;
}

int Usage() {
    std::fprintf(stderr, "usage:\n");
    for (const auto& c : Commands())
        std::fprintf(stderr, "  orvant-cli %.*s\n", static_cast<int>(c.usage.size()),
                     c.usage.data());
    return 2;
}
} // namespace

void RegisterCliCommand(const CliCommand& command) {
    Commands().push_back(command);
}

} // namespace orvant::cli

int main(int argc, char** argv) {
    using namespace orvant::cli;
    if (argc < 2)
        return Usage();
    const std::string name = argv[1];
    for (const auto& c : Commands()) {
        if (c.name != name)
            continue;
        // A command reports its own failures; anything it did not foresee (memory, a
        // library's exception) still ends in a message and status 2, never an abort.
        try {
            return c.run(argc - 1, argv + 1);
        } catch (const std::exception& e) {
            std::fprintf(stderr, "orvant-cli %s: %s\n", name.c_str(), e.what());
        } catch (...) {
            std::fprintf(stderr, "orvant-cli %s: unexpected failure\n", name.c_str());
        }
        return 2;
    }
    std::fprintf(stderr, "orvant-cli: unknown command '%s'\n", name.c_str());
    return Usage();
}
