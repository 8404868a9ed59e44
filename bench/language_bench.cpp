// Speed of the command language: one line through the checker, and the whole-script check
// of a 100,000-line script (target: well under 50 ms on one core).

#include "language/command_checker.h"
#include "language/program_checker.h"
#include "language/session.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

// A script's worth of typical lines: settings, moves, program structure, comments, blank
// lines and a few refused ones.
const std::vector<std::string>& MixedLines() {
    static const std::vector<std::string> lines = {
        "S200",
        "V1000 ; cruise",
        "A64",
        "M4",
        "Q1",
        "  F6400",
        "B 3200",
        "G+",
        "G12800",
        "W500",
        "@12",
        "L10",
        "I 5 H 12",
        "J12",
        "E",
        "K",
        "!12",
        "?214",
        "C75",
        "T100",
        "XA",
        "XG",
        "; comment",
        "",
        "v 1500",
        "=96",
        ":16000000",
        "U19",
        "P200",
        "'3",
        "W99999999999",
        "Y1",
        "A200",
        "=100",
        "kill",
        "   ",
    };
    return lines;
}

orvant::Session LinkedSession() {
    orvant::Session s;
    s.ResetAddressSettings();
    s.ModelCode() = 2;
    s.MemoryBits = 2032;
    return s;
}

void BM_CheckCommandLine(benchmark::State& state) {
    const auto& lines = MixedLines();
    orvant::Session session = LinkedSession();
    std::string line;
    line.reserve(64);
    std::size_t i = 0;
    for (auto _ : state) {
        line.assign(lines[i]);
        benchmark::DoNotOptimize(orvant::CheckCommandLine(line, session));
        benchmark::DoNotOptimize(line.data());
        if (++i == lines.size()) {
            i = 0;
            session.ProgramBits = 0;
        }
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(BM_CheckCommandLine);

void BM_CheckProgram(benchmark::State& state) {
    const bool faulty = state.range(1) != 0;
    // Without faulty lines only the lines that pass are used, so that no box is built.
    std::vector<std::string> mix;
    for (const auto& l : MixedLines())
        if (faulty || (l != "W99999999999" && l != "Y1"))
            mix.push_back(l);
    const auto count = static_cast<std::size_t>(state.range(0));
    std::vector<std::string> script;
    script.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        script.push_back(mix[i % mix.size()]);
    for (auto _ : state) {
        orvant::Session session = LinkedSession();
        session.MemoryBits = 65535;
        const orvant::ProgramCheckReport report = orvant::CheckProgram(script, session, true);
        benchmark::DoNotOptimize(report.passed);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * count));
    state.SetLabel(faulty ? "with faulty lines" : "all lines pass");
}
BENCHMARK(BM_CheckProgram)->Args({100000, 0})->Args({100000, 1})->Unit(benchmark::kMillisecond);

} // namespace
