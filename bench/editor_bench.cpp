// The editor's live check on a 100,000-line script: what one whole pass costs, and the
// longest time the user-interface thread is kept from the keyboard while the operator types
// into the document (the target is one frame, 16 ms).
//
//   QT_QPA_PLATFORM=offscreen build/bench/editor_bench

#include "language/live_check.h"
#include "language/session.h"
#include "workspace/script_assist.h"
#include "workspace/tmdi_child.h"

#include "support/scripted_operator.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextCursor>

#include "widget_bench_main.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kLines = 100000;

// A script as operators write them, with one faulty and one soft line in every hundred.
std::vector<std::string> Script() {
    static const char* const kCycle[] = {
        "S200", "V1000 ; cruise", "A64", "F6400", "W500", "G12800", "L10", "E", "  t5", "K"};
    std::vector<std::string> lines;
    lines.reserve(kLines);
    for (int i = 0; i < kLines; ++i) {
        if (i % 100 == 37)
            lines.push_back("V99999");
        else if (i % 100 == 71)
            lines.push_back("F100 ; not a multiple of 16");
        else
            lines.push_back(kCycle[i % 10]);
    }
    lines[1] = "M4";
    return lines;
}

orvant::Session LinkSession() {
    orvant::Session s;
    s.ModelCode() = 9;
    s.MemoryBits = 8000;
    s.ResetAddressSettings();
    return s;
}

void BM_LiveCheckCore(benchmark::State& state) {
    const std::vector<std::string> lines = Script();
    const orvant::Session session = LinkSession();
    for (auto _ : state) {
        orvant::LiveCheck check(session);
        for (const std::string& line : lines)
            benchmark::DoNotOptimize(check.Feed(line));
        benchmark::DoNotOptimize(check.ProgramBits());
    }
    state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BM_LiveCheckCore)->Unit(benchmark::kMillisecond);

struct Document {
    orvant::Session session = LinkSession();
    orvant::test::ScriptedOperator op;
    std::unique_ptr<orvant::TMDIChild> doc = std::make_unique<orvant::TMDIChild>(op);

    Document() {
        doc->SetSession(&session);
        doc->resize(520, 320);
        doc->show();
        doc->SetLines(Script());
        doc->Assist()->CompletePass();
    }
};

// Loading the script into a shown document: the editor's own text layout and the colouring
// of every line, without the live check that follows.
void BM_LoadDocument(benchmark::State& state) {
    const std::vector<std::string> lines = Script();
    orvant::Session session = LinkSession();
    orvant::test::ScriptedOperator op;
    orvant::TMDIChild doc(op);
    doc.SetSession(&session);
    doc.resize(520, 320);
    doc.show();
    for (auto _ : state) {
        doc.SetLines(lines);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_LoadDocument)->Unit(benchmark::kMillisecond)->Iterations(3);

// One whole pass in the editor, marks unchanged (the usual case after a keystroke).
void BM_LiveCheckPassInEditor(benchmark::State& state) {
    Document d;
    for (auto _ : state) {
        d.doc->Assist()->Schedule();
        d.doc->Assist()->CompletePass();
    }
    state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BM_LiveCheckPassInEditor)->Unit(benchmark::kMillisecond);

// Keys typed into the middle of the document, each followed by the pause and the sliced pass
// it starts. The longest single wait of the event loop is the stall the operator would feel.
void BM_TypingStall(benchmark::State& state) {
    Document d;
    QPlainTextEdit* editor = d.doc->Editor;
    editor->setFocus();
    QTextCursor c(editor->document()->findBlockByNumber(kLines / 2));
    editor->setTextCursor(c);
    double longestMs = 0, longestKeyMs = 0;
    for (auto _ : state) {
        QElapsedTimer key;
        key.start();
        QTest::keyClick(editor, Qt::Key_W);
        QTest::keyClick(editor, Qt::Key_Backspace);
        longestKeyMs = std::max(longestKeyMs, key.nsecsElapsed() / 2e6);
        QElapsedTimer wait;
        wait.start();
        while (wait.elapsed() < orvant::ScriptAssist::kPauseMs + 50 ||
               d.doc->Assist()->PassRunning()) {
            QElapsedTimer step;
            step.start();
            QCoreApplication::processEvents(QEventLoop::AllEvents);
            longestMs = std::max(longestMs, step.nsecsElapsed() / 1e6);
        }
    }
    state.counters["longest_stall_ms"] = longestMs;
    state.counters["keystroke_ms"] = longestKeyMs;
}
BENCHMARK(BM_TypingStall)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace

int main(int argc, char** argv) {
    return orvant::bench::RunWidgetBenchmarks(argc, argv);
}
