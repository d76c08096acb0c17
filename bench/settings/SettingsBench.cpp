#include "bench/BenchGoals.h"
#include "platform/files/AppPath.h"
#include "settings/IniStore.h"
#include "settings/uHighScoreTable.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(bytes);
}

QByteArray FullTable(const char* game) {
    QByteArray text = QByteArray("[") + game + "]\r\nCount=10\r\n";
    for (int i = 1; i <= 10; ++i)
        text += QByteArray::number(i) + "=" + PadScore(1000 - i * 10).toUtf8() + ",Player " +
                QByteArray::number(i) + "\r\n";
    return text + "\r\n";
}

// The end of a game: the high-score file holds both tables; the score enters the
// table when enters is set (the file is rewritten), otherwise it is shown unchanged.
void UpdateTable(benchmark::State& state, bool enters) {
    QTemporaryDir dir;
    SetExeFileNameForTests(dir.path() + "/Quorvel");
    const QByteArray tables = FullTable("Quorvel (Shapes)") + FullTable("Quorvel (Blocks)");
    WriteFile(HighScoreFileName(), tables);
    int round = 0;
    for (auto _ : state) {
        // The window itself is made before the game ends; UpdateTable is the wait.
        state.PauseTiming();
        auto form = std::make_unique<TfrmHigh>();
        form->GameName = QStringLiteral("Quorvel (Blocks)");
        form->Score = enters ? 5000 + round++ : 1;
        form->PlayerName = QStringLiteral("Pembo");
        state.ResumeTiming();
        form->UpdateTable();
        state.PauseTiming();
        benchmark::DoNotOptimize(form->txt1->Caption());
        form.reset();
        state.ResumeTiming();
    }
    SetExeFileNameForTests(QString());
}

// Goal: within 2 ms, reading the file, entering the score and replacing the file
// atomically, flushed to the disk.
void BM_UpdateTableScoreEnters(benchmark::State& state) {
    UpdateTable(state, true);
    bench::Goal(state, 2000);
}
BENCHMARK(BM_UpdateTableScoreEnters)->Unit(benchmark::kMicrosecond)->Apply(bench::Repeated);

void BM_UpdateTableScoreBelowTable(benchmark::State& state) {
    UpdateTable(state, false);
}
BENCHMARK(BM_UpdateTableScoreBelowTable)->Unit(benchmark::kMicrosecond);

// Opening a 5,000-line file, changing a key near its end and writing it back.
void BM_IniStoreLoadChangeWrite5000Lines(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/big.ini";
    QByteArray text;
    for (int section = 0; section < 50; ++section) {
        text += "[Section " + QByteArray::number(section) + "]\r\n";
        for (int key = 0; key < 99; ++key)
            text += "Key" + QByteArray::number(key) + "=value of key " + QByteArray::number(key) +
                    " in section " + QByteArray::number(section) + "\r\n";
    }
    WriteFile(path, text);
    int round = 0;
    for (auto _ : state) {
        TIniStore store(path);
        store.WriteInteger(QStringLiteral("Section 49"), QStringLiteral("Key98"), ++round);
        store.UpdateFile();
    }
}
BENCHMARK(BM_IniStoreLoadChangeWrite5000Lines)->Unit(benchmark::kMicrosecond);

} // namespace
