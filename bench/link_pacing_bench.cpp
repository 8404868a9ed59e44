// Send pacing measured at the controller simulator: 200 commands at one send gap, each sent
// as soon as SendCommand allows. Reported per gap:
//   short_gaps        commands whose first byte reached the controller before the gap had
//                     passed since the previous write returned (must be 0)
//   median_over_ms    median overshoot of the arrival-to-arrival spacing above the gap
//   p99_over_ms       99th percentile of that overshoot (target: under 2 ms)
//   max_over_ms       largest overshoot
//   p99_late_ms       99th percentile of the arrival after the earliest allowed moment (the
//                     previous write's return plus the gap)
//   p99_send_over_ms  99th percentile of the write-return spacing above the gap, taken at
//                     the sender (without the controller side's wake-up latency)

#include "language/controller_models.h"
#include "language/session.h"
#include "link/comm_port_driver.h"
#include "link/console_operator.h"
#include "link/controller_link.h"
#include "link/monotonic_clock.h"
#include "link/serial_setup.h"
#include "sim/k2207_simulator.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int kSends = 200;

double Percentile(std::vector<double> v, double p) {
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const auto i = static_cast<std::size_t>(p * static_cast<double>(v.size() - 1) + 0.5);
    return v[std::min(i, v.size() - 1)];
}

void BM_SendPacing(benchmark::State& state) {
    const int modelCode = static_cast<int>(state.range(0));
    orvant::sim::K2207Simulator sim;
    std::string error;
    if (!sim.Start(&error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    ::setenv("ORVANT_COM1", sim.SlavePath().c_str(), 1);

    orvant::Session session;
    orvant::ConsoleOperator op(stderr);
    orvant::SteadyClock clock;
    orvant::TCommPortDriver port;
    orvant::ControllerLink link(session, op, port, clock);
    orvant::SerialSetup setup(session, op, link, port);
    if (!setup.OpenPort()) {
        state.SkipWithError("port did not open");
        return;
    }
    session.ModelCode() = static_cast<std::uint8_t>(modelCode);
    const double gap = orvant::SendGapSeconds(session.ModelCode());

    std::vector<double> sentAt;
    sentAt.reserve(kSends);
    int i = 0;
    for (auto _ : state) {
        link.SendCommand("F" + std::to_string(++i));
        sentAt.push_back(*link.LastSendTime());
    }
    sim.WaitForLogSize(sentAt.size(), 5.0);
    const auto log = sim.Log();

    int shortGaps = 0;
    std::vector<double> overshootMs;
    std::vector<double> lateMs;     // arrival after the earliest allowed moment
    std::vector<double> sendOverMs; // spacing of the write returns above the gap, at the sender
    for (std::size_t k = 1; k < sentAt.size(); ++k)
        sendOverMs.push_back((sentAt[k] - sentAt[k - 1] - gap) * 1000.0);
    for (std::size_t k = 1; k < log.size() && k < sentAt.size(); ++k) {
        const double arrived = static_cast<double>(log[k].micros) / 1e6;
        const double previous = static_cast<double>(log[k - 1].micros) / 1e6;
        if (arrived + 1e-6 < sentAt[k - 1] + gap)
            ++shortGaps;
        overshootMs.push_back((arrived - previous - gap) * 1000.0);
        lateMs.push_back((arrived - sentAt[k - 1] - gap) * 1000.0);
    }
    state.counters["gap_ms"] = gap * 1000.0;
    state.counters["short_gaps"] = shortGaps;
    state.counters["median_over_ms"] = Percentile(overshootMs, 0.5);
    state.counters["p99_over_ms"] = Percentile(overshootMs, 0.99);
    state.counters["max_over_ms"] = Percentile(overshootMs, 1.0);
    state.counters["p99_late_ms"] = Percentile(lateMs, 0.99);
    state.counters["p99_send_over_ms"] = Percentile(sendOverMs, 0.99);
    state.counters["received"] = static_cast<double>(log.size());
    port.Close();
}

// Model code 0 paces at 0.05 s, model code 3 at 0.5 s.
BENCHMARK(BM_SendPacing)
    ->ArgName("model")
    ->Arg(0)
    ->Arg(3)
    ->Iterations(kSends)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
