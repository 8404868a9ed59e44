#pragma once
// The main function of the benchmarks that need widgets: the offscreen platform unless
// QT_QPA_PLATFORM names another, one QApplication, then Google Benchmark.

#include <QApplication>
#include <QByteArray>

#include <benchmark/benchmark.h>

namespace orvant::bench {

inline int RunWidgetBenchmarks(int argc, char** argv) {
    if (qgetenv("QT_QPA_PLATFORM").isEmpty())
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace orvant::bench
