// Goals: the instructions load well within a frame (under 16 ms) when the viewer
// opens; broken or hostile RTF costs time in proportion to its length, never more;
// the menu with its seven drawn pictures is ready in well under 100 ms at start-up.
#include "app/uMain.h"
#include "platform/text/RtfReader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextDocument>
#include <benchmark/benchmark.h>

namespace {

QByteArray ShippedInstructions() {
    QFile file(QFileInfo(QStringLiteral(__FILE__)).dir().filePath("../../assets/Instructions.rtf"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

void BM_ReadShippedInstructions(benchmark::State& state) {
    const QByteArray rtf = ShippedInstructions();
    if (rtf.isEmpty()) {
        state.SkipWithError("Instructions.rtf not found");
        return;
    }
    for (auto _ : state) {
        QTextDocument document;
        ReadRtf(rtf, document);
        benchmark::DoNotOptimize(document.characterCount());
    }
    state.SetBytesProcessed(state.iterations() * rtf.size());
}
BENCHMARK(BM_ReadShippedInstructions)->Unit(benchmark::kMillisecond);

// Deep nesting, truncated escapes, huge numbers and stray braces, repeated to length n.
void BM_ReadMalformedRtf(benchmark::State& state) {
    const QByteArray unit = "{{{{\\b\\fs99999999999 x\\'4{\\u-99999?\\uc9 }}}\\bin3 {}";
    QByteArray rtf = "{\\rtf1 ";
    while (rtf.size() < state.range(0))
        rtf += unit;
    for (auto _ : state) {
        QTextDocument document;
        ReadRtf(rtf, document);
        benchmark::DoNotOptimize(document.characterCount());
    }
    state.SetComplexityN(rtf.size());
}
BENCHMARK(BM_ReadMalformedRtf)
    ->RangeMultiplier(4)
    ->Range(1 << 12, 1 << 18)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

void BM_CreateMainMenu(benchmark::State& state) {
    for (auto _ : state) {
        TfrmMain menu;
        benchmark::DoNotOptimize(menu.Image5);
    }
}
BENCHMARK(BM_CreateMainMenu)->Unit(benchmark::kMillisecond);

} // namespace
