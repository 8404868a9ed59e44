// k2207-sim: a K2207 controller on a pseudo-terminal, for working without hardware.
//   k2207-sim [--model BYTE] [--mode BYTE] [--link PATH] [--log FILE] [--silent] [--wrong-link]
// Prints the slave path on the first line of its output and runs until interrupted.

#include "sim/k2207_simulator.h"

#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>

#ifndef ORVANT_VERSION
#define ORVANT_VERSION "unknown"
#endif

namespace {
constexpr const char* kUsage =
    "usage: k2207-sim [--model BYTE] [--mode BYTE] [--link PATH] [--log FILE] [--silent] "
    "[--wrong-link]\n"
    "       k2207-sim --help | --version\n";

int Usage() {
    std::fputs(kUsage, stderr);
    return 2;
}

int Help() {
    std::fputs(kUsage, stdout);
    std::fputs("\nA K2207 controller on a pseudo-terminal, for working without hardware. Prints\n"
               "the pseudo-terminal's slave path on the first line and runs until interrupted\n"
               "(SIGINT, SIGTERM or SIGHUP).\n"
               "\n"
               "  --model BYTE   the model letter answered to U20 (default 'B')\n"
               "  --mode BYTE    the mode byte answered to U15\n"
               "  --link PATH    also make PATH a symbolic link to the slave path\n"
               "  --log FILE     log every received line with a monotonic timestamp\n"
               "  --silent       answer nothing\n"
               "  --wrong-link   answer the link check wrongly\n"
               "\n"
               "BYTE: decimal, 0x.. hexadecimal or one character.\n"
               "Point the workbench at it with ORVANT_COM1=PATH.\n",
               stdout);
    return 0;
}
} // namespace

int main(int argc, char** argv) {
    using orvant::sim::K2207Simulator;
    orvant::sim::SimOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&]() -> const char* { return i + 1 < argc ? argv[++i] : nullptr; };
        if (arg == "--help" || arg == "-h")
            return Help();
        if (arg == "--version") {
            std::printf("k2207-sim %s\n", ORVANT_VERSION);
            return 0;
        }
        if (arg == "--model" || arg == "--mode") {
            const char* text = value();
            const auto byte = text ? K2207Simulator::ParseByte(text) : std::nullopt;
            if (!byte) {
                std::fprintf(stderr, "k2207-sim: %s needs a byte\n", arg.c_str());
                return Usage();
            }
            (arg == "--model" ? options.modelByte : options.modeByte) = *byte;
        } else if (arg == "--link" || arg == "--log") {
            const char* text = value();
            if (!text || !*text) {
                std::fprintf(stderr, "k2207-sim: %s needs a path\n", arg.c_str());
                return Usage();
            }
            (arg == "--link" ? options.linkPath : options.logFile) = text;
        } else if (arg == "--silent") {
            options.silent = true;
        } else if (arg == "--wrong-link") {
            options.wrongLink = true;
        } else {
            std::fprintf(stderr, "k2207-sim: unknown argument '%s'\n", arg.c_str());
            return Usage();
        }
    }

    // Block the stop signals before the simulator's thread starts, then wait for one.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    K2207Simulator sim(options);
    std::string error;
    if (!sim.Start(&error)) {
        std::fprintf(stderr, "k2207-sim: %s\n", error.c_str());
        return 1;
    }
    std::printf("%s\n", sim.SlavePath().c_str());
    std::fflush(stdout);
    int signal = 0;
    sigwait(&stopSignals, &signal);
    sim.Stop();
    return 0;
}
