// The time from starting the program to its main menu on the screen, measured from
// outside: a process that starts as Quorvel does and ends once the menu is shown
// (bench/startup/MenuStart.cpp). Its resident memory at that moment is the counter
// rss_mb. No goal was set for either; the figures go into the issue note.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <benchmark/benchmark.h>

namespace {

void BM_StartToMenuShown(benchmark::State& state) {
    const QString program = QCoreApplication::applicationDirPath() + "/menu_start";
    if (!QFile::exists(program)) {
        state.SkipWithError("menu_start is not built");
        return;
    }
    double kilobytes = 0;
    for (auto _ : state) {
        QProcess process;
        QElapsedTimer clock;
        clock.start();
        process.start(program, {});
        while (!process.canReadLine() && process.state() != QProcess::NotRunning)
            process.waitForReadyRead(10000);
        const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
        const QByteArray line = process.readLine().trimmed();
        process.waitForFinished(10000);
        if (!line.startsWith("shown ")) {
            state.SkipWithError("the menu was not shown");
            return;
        }
        kilobytes = line.mid(6).toDouble();
        state.SetIterationTime(seconds);
    }
    state.counters["rss_mb"] = kilobytes / 1024.0;
}
BENCHMARK(BM_StartToMenuShown)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

} // namespace
