// Program download and register readback against the controller simulator.
//
// BM_Download: a script of N lines at one send gap, downloaded by the sending pass with the
// progress dialog watching it (offscreen), as "Execute Active Win" runs it. Reported:
//   ratio            first-to-last arrival at the controller over (N - 1) × gap (target
//                    <= 1.005)
//   max_unserviced_ms the longest interval in which the event loop was not serviced during
//                    the download (target <= gap + 10 ms)
// BM_ThreeByteRead: "Absolute position" (U1, U2, U3) against its floor: the two send gaps
// before U2 and U3 (U1 leaves at once) plus three round trips on the wire at 4800 Bd (four
// characters of 10 bits each: "Un", CR and the answer). A pseudo-terminal has no wire time,
// so the ratio can fall below 1; over_ms is the time above the two gaps alone.
//
//   build/bench/transfer_bench

#include "language/controller_models.h"
#include "language/session.h"
#include "link/comm_port_driver.h"
#include "link/console_operator.h"
#include "link/controller_link.h"
#include "link/monotonic_clock.h"
#include "link/serial_setup.h"
#include "sim/k2207_simulator.h"
#include "transfer/program_download.h"
#include "transfer/register_readback.h"
#include "transfer/tdownload_progress_dlg.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include "widget_bench_main.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

// The workbench's end of the link on COM1, pointed at a simulator.
struct LinkEnd {
    orvant::sim::K2207Simulator sim;
    orvant::Session session;
    orvant::ConsoleOperator op{stderr};
    orvant::SteadyClock clock;
    orvant::TCommPortDriver port;
    orvant::ControllerLink link{session, op, port, clock};
    orvant::SerialSetup setup{session, op, link, port};

    bool Open(std::uint8_t model, std::string& error) {
        if (!sim.Start(&error))
            return false;
        ::setenv("ORVANT_COM1", sim.SlavePath().c_str(), 1);
        if (!setup.OpenPort()) {
            error = "port did not open";
            return false;
        }
        session.ModelCode() = model;
        return true;
    }
    ~LinkEnd() { port.Close(); }
};

void BM_Download(benchmark::State& state) {
    const auto model = static_cast<std::uint8_t>(state.range(0));
    const auto lines = static_cast<std::size_t>(state.range(1));
    LinkEnd end;
    std::string error;
    if (!end.Open(model, error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    const double gap = orvant::SendGapSeconds(model);
    std::vector<std::string> script;
    for (std::size_t i = 0; i < lines; ++i)
        script.push_back(i % 2 ? "K" : "F" + std::to_string(100 + i));

    double ratio = 0;
    double maxUnservicedMs = 0;
    for (auto _ : state) {
        const std::size_t before = end.sim.Log().size();
        orvant::TDownloadProgressDlg dialog;
        // A zero timer fires on every servicing of the event loop.
        QElapsedTimer clock;
        std::vector<qint64> serviced;
        QTimer probe;
        probe.setInterval(0);
        QObject::connect(&probe, &QTimer::timeout,
                         [&] { serviced.push_back(clock.nsecsElapsed()); });
        probe.start();
        clock.start();
        serviced.push_back(0);
        orvant::SendProgramLines(script, end.session, end.link, {}, &dialog);
        serviced.push_back(clock.nsecsElapsed());
        probe.stop();
        end.sim.WaitForLogSize(before + lines, 5.0);
        const auto log = end.sim.Log();
        const double span = static_cast<double>(log.back().micros - log[before].micros) / 1e6;
        ratio = span / (static_cast<double>(lines - 1) * gap);
        qint64 longest = 0;
        for (std::size_t k = 1; k < serviced.size(); ++k)
            longest = std::max(longest, serviced[k] - serviced[k - 1]);
        maxUnservicedMs = static_cast<double>(longest) / 1e6;
    }
    state.counters["gap_ms"] = gap * 1000.0;
    state.counters["lines"] = static_cast<double>(lines);
    state.counters["ratio"] = ratio;
    state.counters["max_unserviced_ms"] = maxUnservicedMs;
}

void BM_ThreeByteRead(benchmark::State& state) {
    LinkEnd end;
    std::string error;
    if (!end.Open(0, error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    end.sim.SetPosition(8000);
    const double gap = orvant::SendGapSeconds(0);
    const double wire = 3 * 4 * 10 / 4800.0;
    std::vector<double> took;
    for (auto _ : state) {
        state.PauseTiming();
        end.link.WaitSeconds(gap, false); // U1 leaves at once
        state.ResumeTiming();
        const double start = end.clock.now();
        const auto value = orvant::ReadRegisters(end.link, 1, 3);
        took.push_back(end.clock.now() - start);
        if (!value) {
            state.SkipWithError("no answer");
            return;
        }
    }
    std::sort(took.begin(), took.end());
    const double median = took[took.size() / 2];
    state.counters["median_ms"] = median * 1000.0;
    state.counters["floor_ms"] = (2 * gap + wire) * 1000.0;
    state.counters["ratio"] = median / (2 * gap + wire);
    state.counters["over_ms"] = (median - 2 * gap) * 1000.0;
}

// Model 0 paces at 0.05 s (200 lines), model 3 at 0.5 s (20 lines).
BENCHMARK(BM_Download)
    ->ArgNames({"model", "lines"})
    ->Args({0, 200})
    ->Args({3, 20})
    ->Iterations(1)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ThreeByteRead)->Iterations(20)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return orvant::bench::RunWidgetBenchmarks(argc, argv);
}
