// The trace window with a million lines: what one appended line costs in time and memory,
// and how long a scroll with its repaint takes at the far end of the trace.
//
//   QT_QPA_PLATFORM=offscreen build/bench/trace_bench

#include "link/operator.h"
#include "workspace/trace_view.h"
#include "workspace/ttrace_win.h"

#include <QApplication>
#include <QFont>
#include <QImage>
#include <QMdiArea>
#include <QScrollBar>
#include <QString>

#include "widget_bench_main.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>

namespace {

class SilentOperator : public orvant::Operator {
public:
    void showBox(orvant::BoxKind, const QString&) override {}
    orvant::Answer confirm(const QString&) override { return orvant::Answer::Cancel; }
    void playSound(orvant::Sound) override {}
    orvant::FileChoice chooseFile(const orvant::FileRequest&) override { return {}; }
    bool runDialog(QDialog&) override { return false; }
    bool chooseFont(QFont&, int) override { return false; }
    bool setUpPrinter(QPrinter&) override { return false; }
};

long ResidentKiB() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            long kib = 0;
            status >> kib;
            return kib;
        }
    }
    return 0;
}

constexpr int kLines = 1000000;

// Lines as the link writes them: a sent command with its time, or a received byte.
QString TraceLine(int i) {
    if (i % 3 == 2)
        return QString("           INPUT %1").arg(i % 256);
    return QString("V%1\t\t;12:%2:%3")
        .arg(16 + i % 20000)
        .arg(i / 60 % 60, 2, 10, QChar('0'))
        .arg(i % 60, 2, 10, QChar('0'));
}

void BM_AppendMillionLines(benchmark::State& state) {
    SilentOperator op;
    for (auto _ : state) {
        state.PauseTiming();
        QMdiArea area;
        area.resize(800, 600);
        auto* trace = new orvant::TTraceWin(op);
        area.addSubWindow(trace);
        area.show();
        trace->resize(400, 500);
        trace->show();
        QApplication::processEvents();
        const long before = ResidentKiB();
        state.ResumeTiming();

        for (int i = 0; i < kLines; ++i) {
            trace->AppendTraceLine(TraceLine(i));
            if (i % 10000 == 0)
                QApplication::processEvents(); // the timer brings the batch on screen
        }
        trace->Editor->Flush();
        trace->Editor->viewport()->repaint();

        state.PauseTiming();
        state.counters["bytes_per_line"] =
            static_cast<double>(trace->Editor->MemoryBytes()) / kLines;
        state.counters["rss_MiB"] = static_cast<double>(ResidentKiB() - before) / 1024.0;
        state.counters["lines"] = static_cast<double>(trace->Editor->LineCount());
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BM_AppendMillionLines)->Unit(benchmark::kMillisecond)->Iterations(3);

// Cost per line for the first and the last thousand lines of a million: flat cost means
// the two are alike.
void BM_AppendCostAtDepth(benchmark::State& state) {
    SilentOperator op;
    orvant::TTraceWin trace(op);
    for (int i = 0; i < state.range(0); ++i)
        trace.AppendTraceLine(TraceLine(i));
    int i = 0;
    for (auto _ : state)
        trace.AppendTraceLine(TraceLine(i++));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_AppendCostAtDepth)->Arg(0)->Arg(kLines);

void BM_ScrollAndRepaintAtAMillion(benchmark::State& state) {
    SilentOperator op;
    QMdiArea area;
    area.resize(800, 600);
    auto* trace = new orvant::TTraceWin(op);
    area.addSubWindow(trace);
    area.show();
    trace->resize(400, 500);
    trace->show();
    for (int i = 0; i < kLines; ++i)
        trace->AppendTraceLine(TraceLine(i));
    trace->Editor->Flush();
    QScrollBar* bar = trace->Editor->verticalScrollBar();
    QImage frame(trace->Editor->viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    int step = 0;
    for (auto _ : state) {
        bar->setValue((step++ * 7919) % (bar->maximum() + 1));
        trace->Editor->viewport()->render(&frame); // runs the paint of the visible lines
    }
    benchmark::DoNotOptimize(frame.constBits());
}
BENCHMARK(BM_ScrollAndRepaintAtAMillion)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return orvant::bench::RunWidgetBenchmarks(argc, argv);
}
