#include "blocks/Tumblox.h"
#include "platform/Random.h"

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
};

void BM_FindMatchesOnAFullChainingBoard(benchmark::State& state) {
    BenchBoard board;
    board.SetColumns(27);
    board.SetRows(60);
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

void BM_PaintFullBoardOfButtons(benchmark::State& state) {
    BenchBoard board;
    board.SetColumns(15);
    board.SetBlockType(tumblox::btButton);
    board.SetSize(386, 513);
    board.FillRandomly(7);
    for (auto _ : state)
        board.Paint();
}
BENCHMARK(BM_PaintFullBoardOfButtons)->Unit(benchmark::kMicrosecond);

} // namespace
