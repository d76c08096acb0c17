// Goals: a full Paint of the Blocks window's board (386 x 513 pixels, 15 x 20 cells,
// button look, every cell filled) within 500 us; one FindMatches pass over a full
// 27 x 60 board within 50 us. The window's board is shown, as in the game, so that
// every drawing operation also reaches Qt's repaint bookkeeping.
#include "bench/BenchGoals.h"
#include "blocks/Tumblox.h"
#include "platform/numbers/Random.h"

#include <benchmark/benchmark.h>

namespace {

class BenchBoard : public tumblox::TTumblox {
public:
    using TTumblox::FindMatches;
    using TTumblox::SetCell;

    // Every cell a random block colour: lines everywhere, and the blocks that fall
    // into the gaps keep forming new ones for pass after pass.
    void FillRandomly(uint32_t seed) {
        SetRandSeed(seed);
        for (int col = 0; col < Columns(); ++col)
            for (int row = 0; row < Rows(); ++row)
                SetCell(col, row, tumblox::BlockPalette[static_cast<size_t>(Random(6))]);
    }
    // Every cell filled and no line of three anywhere: colours repeat every three
    // columns and shift by one every row, so FindMatches makes exactly one pass.
    void FillWithoutLines() {
        for (int col = 0; col < Columns(); ++col)
            for (int row = 0; row < Rows(); ++row)
                SetCell(col, row, tumblox::BlockPalette[static_cast<size_t>((col + 4 * row) % 6)]);
    }
};

void BM_FindMatchesOnePassFull27x60(benchmark::State& state) {
    BenchBoard board;
    board.SetRows(60);
    board.SetColumns(27);
    board.SetSize(386, 513);
    board.FillWithoutLines();
    for (auto _ : state)
        benchmark::DoNotOptimize(board.FindMatches());
    if (board.FindMatches() != 0) state.SkipWithError("the board holds a line");
    bench::Goal(state, 50);
}
BENCHMARK(BM_FindMatchesOnePassFull27x60)->Unit(benchmark::kMicrosecond)->Apply(bench::Repeated);

// Whole removal chains for comparison: every pass that removes lines also repaints.
void BM_FindMatchesOnAFullChainingBoard(benchmark::State& state) {
    BenchBoard board;
    board.SetRows(60);
    board.SetColumns(27);
    board.SetSize(386, 513);
    int64_t lines = 0;
    for (auto _ : state) {
        state.PauseTiming();
        board.FillRandomly(99);
        state.ResumeTiming();
        lines += board.FindMatches();
    }
    state.counters["lines"] =
        benchmark::Counter(static_cast<double>(lines), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_FindMatchesOnAFullChainingBoard)->Unit(benchmark::kMicrosecond);

void PaintFullBoardOfButtons(benchmark::State& state, bool shown) {
    BenchBoard board;
    board.SetRows(20);
    board.SetColumns(15);
    board.SetBlockType(tumblox::btButton);
    board.SetDrawBorder(false);
    board.SetSize(386, 513);
    if (shown) board.show();
    board.FillRandomly(7);
    for (auto _ : state)
        board.Paint();
    if (shown) bench::Goal(state, 500);
}

void BM_PaintFullBoardOfButtonsShown(benchmark::State& state) {
    PaintFullBoardOfButtons(state, true);
}
BENCHMARK(BM_PaintFullBoardOfButtonsShown)->Unit(benchmark::kMicrosecond)->Apply(bench::Repeated);

void BM_PaintFullBoardOfButtonsHidden(benchmark::State& state) {
    PaintFullBoardOfButtons(state, false);
}
BENCHMARK(BM_PaintFullBoardOfButtonsHidden)->Unit(benchmark::kMicrosecond);

} // namespace
