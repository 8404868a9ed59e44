// Start-up with reopened documents: the time from a fresh main window to a usable one
// while the state file reopens 0, 100 or 2000 editor documents. The cost per document must
// stay flat as the count grows.
//
//   QT_QPA_PLATFORM=offscreen build/bench/startup_bench

#include "language/session.h"
#include "language/state_file.h"
#include "support/scripted_operator.h"
#include "workspace/tmain_form.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "widget_bench_main.h"

#include <benchmark/benchmark.h>

namespace {

// A working directory holding N small scripts and an "orv_win.ini" that reopens them all.
class StateFileDir {
public:
    explicit StateFileDir(int documents) {
        previous_ = QDir::currentPath();
        QDir::setCurrent(dir_.path());
        orvant::StateFileContent c;
        c.Width = 1000;
        c.Height = 700;
        c.ChildCount = static_cast<std::uint16_t>(documents + 1);
        c.Trace = {"", 800, 1, 155, 600, 0};
        for (int i = 0; i < documents; ++i) {
            const QString name = dir_.filePath(QString("doc%1.TSF").arg(i));
            QFile f(name);
            if (f.open(QIODevice::WriteOnly))
                f.write("S200\r\nV1000\r\nA100\r\n+4000\r\n");
            c.Documents.push_back({name.toStdString(), 10 + i % 50, 10 + i % 40, 400, 250, 3});
        }
        const auto bytes = orvant::EncodeStateFile(c);
        QFile f(orvant::kStateFileName);
        if (f.open(QIODevice::WriteOnly))
            f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    }
    ~StateFileDir() { QDir::setCurrent(previous_); }

private:
    QTemporaryDir dir_;
    QString previous_;
};

void BM_StartUpWithDocuments(benchmark::State& state) {
    const int documents = static_cast<int>(state.range(0));
    StateFileDir dir(documents);
    for (auto _ : state) {
        orvant::Session session;
        orvant::test::ScriptedOperator op;
        orvant::TMainForm form(session, op);
        form.CreateTraceWindow();
        form.show();
        form.LoadConfig();
        QApplication::processEvents();
        if (form.Documents().size() != documents)
            state.SkipWithError("not every document reopened");
        state.PauseTiming(); // the teardown is not part of the start-up
        form.hide();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpWithDocuments)
    ->Arg(0)
    ->Arg(100)
    ->Arg(2000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return orvant::bench::RunWidgetBenchmarks(argc, argv);
}
