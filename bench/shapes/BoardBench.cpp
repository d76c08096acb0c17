#include "platform/Random.h"
#include "shapes/Brickfall.h"

#include <benchmark/benchmark.h>

namespace {

class BenchBoard : public brickfall::TBrickfall {
public:
    BenchBoard() {
        SetColumns(21);
        SetRows(28);
        SetBlockSize(18);
        SetDrawGrid(true);
    }
    using TBrickfall::SetCellValue;
};

void BM_FullPaint(benchmark::State& state) {
    BenchBoard board;
    board.NewGame();
    for (auto _ : state)
        board.Paint();
}
BENCHMARK(BM_FullPaint)->Unit(benchmark::kMicrosecond);

void BM_MoveLeftRedraw(benchmark::State& state) {
    BenchBoard board;
    board.NewGame();
    bool left = true;
    for (auto _ : state) {
        if (!(left ? board.MoveLeft() : board.MoveRight())) left = !left;
    }
}
BENCHMARK(BM_MoveLeftRedraw)->Unit(benchmark::kMicrosecond);

void BM_LandingThatRemovesFourRows(benchmark::State& state) {
    BenchBoard board;
    board.SetPieces({"Line;clBlue;4;1000100010001000"});
    for (auto _ : state) {
        state.PauseTiming();
        board.NewGame();
        // Four full rows with a hole in the Line's column, the Line resting above it.
        for (int r = 25; r <= 28; ++r)
            for (int c = 1; c <= 21; ++c)
                board.SetCellValue(c, r, c == 11 ? 0 : 1);
        board.Drop();
        state.ResumeTiming();
        benchmark::DoNotOptimize(board.StepDown());
    }
}
BENCHMARK(BM_LandingThatRemovesFourRows)->Unit(benchmark::kMicrosecond);

} // namespace
