// Bytes per second delivered through notifications, on one port and on five at once, and the
// time from a byte written at the far end to its notification.

#include "simple_comm/simple_comm.h"

#include "support/pty_pair.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {

using orvant::test::PtyPair;

void CountBytes(void* context, const Simple_Comm_Message* message) {
    static_cast<std::atomic<std::uint64_t>*>(context)->fetch_add(message->wParam,
                                                                 std::memory_order_release);
}

// Ports opened on pseudo-terminals, each with a byte counter as its receiver.
class OpenPorts {
public:
    explicit OpenPorts(int count) {
        for (int i = 0; i < count; ++i) {
            ptys_.push_back(std::make_unique<PtyPair>());
            counters_.push_back(std::make_unique<std::atomic<std::uint64_t>>(0));
            windows_.push_back(Simple_Comm_RegisterNotify(&CountBytes, counters_.back().get()));
            std::int32_t slot = -1;
            if (Simple_Comm_Open(ptys_.back()->slavePath().c_str(), 115200, 8, 0, 0, 0xF,
                                 windows_.back(), 5000, &slot) == SIMPLE_COMM_OK) {
                slots_.push_back(slot);
            }
        }
    }
    ~OpenPorts() {
        for (std::int32_t slot : slots_) {
            Simple_Comm_Close(slot);
        }
        for (NotifyWindow window : windows_) {
            Simple_Comm_UnregisterNotify(window);
        }
    }
    bool ok() const { return slots_.size() == ptys_.size(); }
    PtyPair& pty(int i) { return *ptys_[i]; }
    std::uint64_t delivered(int i) const { return counters_[i]->load(std::memory_order_acquire); }

private:
    std::vector<std::unique_ptr<PtyPair>> ptys_;
    std::vector<std::unique_ptr<std::atomic<std::uint64_t>>> counters_;
    std::vector<NotifyWindow> windows_;
    std::vector<std::int32_t> slots_;
};

// Each iteration sends a block on every port and waits until all of it was notified.
void BM_NotifiedBytes(benchmark::State& state) {
    const int ports = static_cast<int>(state.range(0));
    const std::size_t block = static_cast<std::size_t>(state.range(1));
    OpenPorts open(ports);
    if (!open.ok()) {
        state.SkipWithError("cannot open the pseudo-terminals");
        return;
    }
    const std::string bytes(block, 'x');
    std::uint64_t expected = 0;
    for (auto _ : state) {
        expected += block;
        std::vector<std::thread> writers;
        for (int i = 0; i < ports; ++i) {
            writers.emplace_back([&, i] { open.pty(i).Send(bytes); });
        }
        for (auto& writer : writers) {
            writer.join();
        }
        for (int i = 0; i < ports; ++i) {
            while (open.delivered(i) < expected) {
                std::this_thread::sleep_for(std::chrono::microseconds(200));
            }
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * ports *
                            static_cast<std::int64_t>(block));
}
BENCHMARK(BM_NotifiedBytes)
    ->ArgNames({"ports", "block"})
    ->Args({1, 4096})
    ->Args({5, 4096})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// One byte from the far end to its notification.
void BM_NotifyLatency(benchmark::State& state) {
    OpenPorts open(1);
    if (!open.ok()) {
        state.SkipWithError("cannot open the pseudo-terminal");
        return;
    }
    std::uint64_t expected = 0;
    for (auto _ : state) {
        ++expected;
        open.pty(0).Send("U");
        while (open.delivered(0) < expected) {
            std::this_thread::yield();
        }
    }
}
BENCHMARK(BM_NotifyLatency)->UseRealTime()->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
