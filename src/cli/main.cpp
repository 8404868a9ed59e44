// orvant-cli: the workbench's logic for scripts and CI.

#include "cli_command.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

#ifndef ORVANT_VERSION
#define ORVANT_VERSION "unknown"
#endif

namespace orvant::cli {

namespace {

std::vector<CliCommand>& Commands() {
    static std::vector<CliCommand> commands;
    return commands;
}

// The commands in name order: registration order follows the link order of their files.
std::vector<CliCommand> SortedCommands() {
    std::vector<CliCommand> sorted = Commands();
    std::sort(sorted.begin(), sorted.end(),
              [](const CliCommand& a, const CliCommand& b) { return a.name < b.name; });
    return sorted;
}

const CliCommand* FindCommand(std::string_view name) {
    for (const auto& c : Commands())
        if (c.name == name)
            return &c;
    return nullptr;
}

void Print(std::FILE* to, std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), to);
}

void PrintUsageLines(std::FILE* to) {
    Print(to, "usage: orvant-cli COMMAND [ARGUMENTS]\n"
              "       orvant-cli COMMAND --help\n"
              "       orvant-cli help [COMMAND]\n"
              "       orvant-cli --version\n");
}

// The full usage: what "orvant-cli --help" and "orvant-cli help" print.
int Help() {
    PrintUsageLines(stdout);
    Print(stdout, "\nThe ORVANT PC Utilities workbench's logic for scripts and CI.\n\ncommands:\n");
    std::size_t width = 0;
    for (const auto& c : Commands())
        width = std::max(width, c.name.size());
    for (const auto& c : SortedCommands()) {
        std::printf("  %-*.*s  ", static_cast<int>(width), static_cast<int>(c.name.size()),
                    c.name.data());
        Print(stdout, c.summary.empty() ? c.usage : c.summary);
        Print(stdout, "\n");
    }
    Print(stdout, "\nExit status 2 means a usage error. See orvant-cli(1) for the output of "
                  "each command.\n");
    return 0;
}

int CommandHelp(const CliCommand& c) {
    Print(stdout, "usage: orvant-cli ");
    Print(stdout, c.usage);
    Print(stdout, "\n");
    if (!c.summary.empty()) {
        Print(stdout, "\n");
        Print(stdout, c.summary);
        Print(stdout, "\n");
    }
    if (!c.details.empty()) {
        Print(stdout, "\n");
        Print(stdout, c.details);
        if (c.details.back() != '\n')
            Print(stdout, "\n");
    }
    return 0;
}

// A usage error: the short usage on standard error, exit status 2.
int UsageError() {
    PrintUsageLines(stderr);
    Print(stderr, "commands:");
    for (const auto& c : SortedCommands()) {
        Print(stderr, " ");
        Print(stderr, c.name);
    }
    Print(stderr, "\n");
    return 2;
}

// True when the command's arguments ask for its help ("--help" before any "--").
bool AsksForHelp(int argc, char** argv) {
    for (int i = 2; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--")
            return false;
        if (arg == "--help")
            return true;
    }
    return false;
}

int Main(int argc, char** argv) {
    if (argc < 2)
        return UsageError();
    const std::string_view name = argv[1];
    if (name == "--help" || name == "-h")
        return Help();
    if (name == "--version") {
        std::printf("orvant-cli %s\n", ORVANT_VERSION);
        return 0;
    }
    if (name == "help") {
        if (argc == 2)
            return Help();
        const CliCommand* c = FindCommand(argv[2]);
        if (c == nullptr)
            std::fprintf(stderr, "orvant-cli: no command '%s'\n", argv[2]);
        return c != nullptr && argc == 3 ? CommandHelp(*c) : UsageError();
    }
    const CliCommand* c = FindCommand(name);
    if (c == nullptr) {
        std::fprintf(stderr, "orvant-cli: unknown command '%s'\n", argv[1]);
        return UsageError();
    }
    if (AsksForHelp(argc, argv))
        return CommandHelp(*c);
    // A command reports its own failures; anything it did not foresee (memory, a library's
    // exception) still ends in a message and status 2, never an abort.
    try {
        return c->run(argc - 1, argv + 1);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "orvant-cli %s: %s\n", argv[1], e.what());
    } catch (...) {
        std::fprintf(stderr, "orvant-cli %s: unexpected failure\n", argv[1]);
    }
    return 2;
}

} // namespace

void RegisterCliCommand(const CliCommand& command) {
    Commands().push_back(command);
}

} // namespace orvant::cli

int main(int argc, char** argv) {
    return orvant::cli::Main(argc, argv);
}
