#include "game/GradProgress.h"

#include <benchmark/benchmark.h>

namespace {

void BM_GradProgressPaint(benchmark::State& state) {
    TGradProgress bar;
    bar.SetSize(101, 19);
    bar.SetStartColor(clAqua);
    bar.SetEndColor(clBlue);
    bar.SetShowPercent(false);
    bar.SetMaxValue(28);
    bar.SetPosition(14);
    for (auto _ : state)
        bar.Paint();
}
BENCHMARK(BM_GradProgressPaint)->Unit(benchmark::kMicrosecond);

} // namespace
