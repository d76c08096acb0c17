// Goals: a full Paint of the Shapes window's board (21 x 28 cells of 18 pixels,
// 379 x 505, grid on) within 250 us; one move of the falling piece, its erase and
// redraw, within 10 us. The board is shown, as in the game, so that every drawing
// operation also reaches Qt's repaint bookkeeping.
#include "bench/BenchGoals.h"
#include "platform/numbers/Random.h"
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
        show();
    }
    using TBrickfall::SetCellValue;

    // The lower two thirds settled, every row with one hole, as late in a game.
    void SettleLowerRows() {
        for (int r = 10; r <= Rows(); ++r)
            for (int c = 1; c <= Columns(); ++c)
                SetCellValue(c, r, c == (r * 5) % Columns() + 1 ? 0 : 1 + (c + r) % PieceCount());
    }
};

void BM_FullPaintOfTheWindowsBoard(benchmark::State& state) {
    BenchBoard board;
    board.NewGame();
    board.SettleLowerRows();
    for (auto _ : state)
        board.Paint();
    bench::Goal(state, 250);
}
BENCHMARK(BM_FullPaintOfTheWindowsBoard)->Unit(benchmark::kMicrosecond)->Apply(bench::Repeated);

void BM_OneMoveRedraw(benchmark::State& state) {
    BenchBoard board;
    board.NewGame();
    board.StepDown();
    bool left = true;
    for (auto _ : state) {
        if (!(left ? board.MoveLeft() : board.MoveRight())) left = !left;
    }
    bench::Goal(state, 10);
}
BENCHMARK(BM_OneMoveRedraw)->Unit(benchmark::kMicrosecond)->Apply(bench::Repeated);

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
