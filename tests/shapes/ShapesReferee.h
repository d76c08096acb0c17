#pragma once

#include "tests/common/SoakSupport.h"

#include "shapes/Brickfall.h"

#include <QImage>
#include <QString>
#include <string>
#include <vector>

// Watches a Shapes board through its public face while a player drives it, and after
// every operation checks what the rules promise: where the piece went, what a landing
// left behind, which events came and in what order, and that the drawing done piece
// by piece shows what a full repaint would. Shared by the soak test and the fuzzer,
// so it reports a broken rule as text instead of through a test framework.
namespace soak {

enum class TShapesMove { Left, Right, TurnClockwise, TurnCounter, Step, Drop };
inline constexpr int kShapesMoves = 6;

class TShapesReferee {
public:
    explicit TShapesReferee(brickfall::TBrickfall& board) : FBoard(board) {
        board.SetOnLineFull([this](brickfall::TBrickfall*, int lines) {
            FEvents.push_back({'L', lines});
        });
        board.SetOnGameEnd([this](brickfall::TBrickfall*) { FEvents.push_back({'E', 0}); });
        board.SetOnNewPiece([this](brickfall::TBrickfall*, int piece) {
            FEvents.push_back({'N', piece});
        });
    }

    // Empty while every rule held; the first broken rule otherwise.
    const std::string& Failure() const { return FFailure; }
    bool Ended() const { return !FBoard.Playing(); }

    int Games = 0;
    int Landings = 0;
    int RowsRemoved = 0;
    int Pictures = 0;

    // NewGame may throw for a bad piece list; the exception goes to the caller.
    bool NewGame() {
        FEvents.clear();
        FBoard.NewGame();
        ++Games;
        FShown = false;
        FDamaged = false;
        if (!FBoard.Playing()) return Fail("a new game is not playing");
        if (FilledCells(Cells()) != 0) return Fail("a new game starts on a board with cells");
        if (FEvents.size() != 1 || FEvents[0].Kind != 'N' ||
            FEvents[0].Value != FBoard.CurrentIndex())
            return Fail("a new game raised " + EventText() + " instead of one OnNewPiece");
        return CheckAlways();
    }

    bool Play(TShapesMove move) {
        if (!FFailure.empty()) return false;
        const std::vector<int> before = Cells();
        const brickfall::TPiece* current = FBoard.CurrentPiece();
        if (!current) return Fail("a game is running without a falling piece");
        const brickfall::TPiece piece = *current;
        const int index = FBoard.CurrentIndex();
        const int x = FBoard.PieceX();
        const int y = FBoard.PieceY();
        const bool overlapping = !Fits(piece.Matrix, piece.Size, x, y, before);
        FEvents.clear();
        switch (move) {
        case TShapesMove::Left:
        case TShapesMove::Right: {
            const int dx = move == TShapesMove::Left ? -1 : 1;
            const bool fits = Fits(piece.Matrix, piece.Size, x + dx, y, before);
            const bool moved = dx < 0 ? FBoard.MoveLeft() : FBoard.MoveRight();
            if (moved != fits)
                return Fail("a sideways move that fits " + Yes(fits) + " moved " + Yes(moved));
            if (!Unchanged(before, piece, x + (moved ? dx : 0), y)) return false;
            Drawn(moved, overlapping);
            break;
        }
        case TShapesMove::TurnClockwise:
        case TShapesMove::TurnCounter: {
            const int direction = move == TShapesMove::TurnClockwise ? 1 : 0;
            const brickfall::TPieceMatrix turned =
                brickfall::RotateMatrix(piece.Matrix, piece.Size, direction);
            const bool fits = Fits(turned, piece.Size, x, y, before);
            FBoard.Rotate(direction);
            brickfall::TPiece expected = piece;
            if (fits) expected.Matrix = turned;
            if (!Unchanged(before, expected, x, y)) return false;
            Drawn(fits, overlapping);
            break;
        }
        case TShapesMove::Step:
            if (!Step(FBoard.StepDown(), before, piece, index, x, y, overlapping)) return false;
            break;
        case TShapesMove::Drop: {
            // The piece goes to one row above the lowest it can reach and then takes one
            // ordinary step, which lands it only when it did not fit where it stood.
            int reach = 1;
            while (Fits(piece.Matrix, piece.Size, x, y + reach, before))
                ++reach;
            if (!FBoard.Drop()) return Fail("Drop returned false");
            const int from = y + reach - 2;
            const bool lands = !Fits(piece.Matrix, piece.Size, x, from + 1, before);
            const int result = lands ? (from <= 0 ? -1 : 0) : 1;
            if (!Step(result, before, piece, index, x, from, overlapping)) return false;
            break;
        }
        }
        return CheckAlways();
    }

    // Compares the backing image, drawn piece by piece, with a full repaint of the same
    // state, where the rules say both must agree.
    bool CheckPicture() {
        if (!FFailure.empty() || !FShown || FDamaged) return FFailure.empty();
        const QImage drawn = FBoard.Image().copy();
        FBoard.Paint();
        ++Pictures;
        const std::string difference = PictureDifference(drawn, FBoard.Image());
        return difference.empty() || Fail(difference);
    }

private:
    struct TEvent {
        char Kind;
        int Value;
    };

    bool Fail(const std::string& what) {
        if (FFailure.empty())
            FFailure = what + " (board " + std::to_string(FBoard.Columns()) + "x" +
                       std::to_string(FBoard.Rows()) + " of " + std::to_string(FBoard.BlockSize()) +
                       " px, game " + std::to_string(Games) + ", landing " +
                       std::to_string(Landings) + ")";
        return false;
    }

    static std::string Yes(bool value) { return value ? "yes" : "no"; }

    std::string EventText() const {
        std::string text = "[";
        for (const TEvent& e : FEvents)
            text += std::string(text.size() > 1 ? " " : "") + e.Kind + std::to_string(e.Value);
        return text + "]";
    }

    // The settled cells of rows 1..Rows, row after row.
    std::vector<int> Cells() const {
        std::vector<int> cells;
        cells.reserve(static_cast<size_t>(FBoard.Columns() * FBoard.Rows()));
        for (int r = 1; r <= FBoard.Rows(); ++r)
            for (int c = 1; c <= FBoard.Columns(); ++c)
                cells.push_back(FBoard.Cell(c, r));
        return cells;
    }
    int At(const std::vector<int>& cells, int c, int r) const {
        return cells[static_cast<size_t>((r - 1) * FBoard.Columns() + (c - 1))];
    }
    static int FilledCells(const std::vector<int>& cells) {
        int filled = 0;
        for (int v : cells)
            filled += v != 0;
        return filled;
    }

    // Rows above the board are free; the sides and the floor are not.
    bool Fits(const brickfall::TPieceMatrix& m, int size, int x, int y,
              const std::vector<int>& cells) const {
        for (int i = 1; i <= size; ++i)
            for (int j = 1; j <= size; ++j) {
                if (!m(i, j)) continue;
                const int c = x + i - 1;
                const int r = y + j - 1;
                if (c < 1 || c > FBoard.Columns() || r > FBoard.Rows()) return false;
                if (r >= 1 && At(cells, c, r) != 0) return false;
            }
        return true;
    }

    void Drawn(bool moved, bool overlapping) {
        if (!moved) return;
        // Erasing a piece that stood on settled cells erases their squares as well;
        // only the next full repaint shows them again.
        if (overlapping) FDamaged = true;
        FShown = true;
    }

    bool Unchanged(const std::vector<int>& before, const brickfall::TPiece& piece, int x, int y) {
        if (!FEvents.empty()) return Fail("a move raised " + EventText());
        if (Cells() != before) return Fail("a move changed settled cells");
        if (FBoard.PieceX() != x || FBoard.PieceY() != y)
            return Fail("the piece is at [" + std::to_string(FBoard.PieceX()) + "," +
                        std::to_string(FBoard.PieceY()) + "], expected [" + std::to_string(x) +
                        "," + std::to_string(y) + "]");
        if (!(FBoard.CurrentPiece()->Matrix == piece.Matrix))
            return Fail("the piece's shape is not the expected one");
        return true;
    }

    bool Step(int result, const std::vector<int>& before, const brickfall::TPiece& piece, int index,
              int x, int y, bool overlapping) {
        if (Fits(piece.Matrix, piece.Size, x, y + 1, before)) {
            if (result != 1) return Fail("a piece that can fall gave " + std::to_string(result));
            Drawn(true, overlapping);
            return Unchanged(before, piece, x, y + 1);
        }
        ++Landings;
        const bool ends = y <= 0;
        if (result != (ends ? -1 : 0))
            return Fail("a landing with the box top on row " + std::to_string(y) + " gave " +
                        std::to_string(result));
        // What the landing must leave: the piece's cells on the board, then every full
        // row gone and the others closed up at the bottom in their order.
        const int columns = FBoard.Columns();
        const int rows = FBoard.Rows();
        std::vector<int> placed = before;
        for (int i = 1; i <= piece.Size; ++i)
            for (int j = 1; j <= piece.Size; ++j) {
                const int c = x + i - 1;
                const int r = y + j - 1;
                if (piece.Matrix(i, j) && c >= 1 && c <= columns && r >= 1 && r <= rows)
                    placed[static_cast<size_t>((r - 1) * columns + (c - 1))] = index + 1;
            }
        std::vector<int> expected(placed.size(), 0);
        int full = 0;
        int to = rows;
        for (int r = rows; r >= 1; --r) {
            bool isFull = true;
            for (int c = 1; c <= columns; ++c)
                isFull = isFull && At(placed, c, r) != 0;
            if (isFull) {
                ++full;
                continue;
            }
            for (int c = 1; c <= columns; ++c)
                expected[static_cast<size_t>((to - 1) * columns + (c - 1))] = At(placed, c, r);
            --to;
        }
        const std::vector<int> after = Cells();
        if (after != expected) return Fail("the board after a landing is not the expected one");
        if (FilledCells(after) != FilledCells(placed) - full * columns)
            return Fail("filled cells do not add up after a landing");
        for (int r = 1; r <= rows; ++r) {
            bool isFull = true;
            for (int c = 1; c <= columns; ++c)
                isFull = isFull && At(after, c, r) != 0;
            if (isFull) return Fail("row " + std::to_string(r) + " is full after a landing");
        }
        if (full > 5) return Fail("one landing filled more than five rows");
        RowsRemoved += full;

        // The end comes first, then the rows, then the spawn.
        std::vector<TEvent> order;
        if (ends) order.push_back({'E', 0});
        if (full > 0) order.push_back({'L', full});
        order.push_back({'N', FBoard.CurrentIndex()});
        bool same = order.size() == FEvents.size();
        for (size_t k = 0; same && k < order.size(); ++k)
            same = order[k].Kind == FEvents[k].Kind && order[k].Value == FEvents[k].Value;
        if (!same) return Fail("a landing raised " + EventText());
        for (const TEvent& e : FEvents)
            if (e.Kind == 'L' && (e.Value < 1 || e.Value > 5))
                return Fail("OnLineFull reported " + std::to_string(e.Value));
        if (FBoard.Playing() == ends) return Fail("playing state wrong after a landing");
        // A landing repaints the whole board.
        FShown = true;
        FDamaged = false;
        return true;
    }

    bool CheckAlways() {
        const int columns = FBoard.Columns();
        const int rows = FBoard.Rows();
        for (int c = 0; c <= brickfall::TBrickfall::MaxColumns; ++c)
            for (int r = 0; r <= brickfall::TBrickfall::MaxRows; ++r) {
                const int v = FBoard.Cell(c, r);
                const bool inside = c >= 1 && c <= columns && r >= 1 && r <= rows;
                if (!inside && v != 0)
                    return Fail("a settled cell at [" + std::to_string(c) + "," +
                                std::to_string(r) + "] lies outside the board");
                if (v < 0 || v > FBoard.PieceCount())
                    return Fail("a cell names piece " + std::to_string(v - 1) + " of " +
                                std::to_string(FBoard.PieceCount()));
            }
        int empty = 0;
        for (int r = 1; r <= rows; ++r) {
            bool clear = true;
            for (int c = 1; c <= columns && clear; ++c)
                clear = FBoard.Cell(c, r) == 0;
            if (!clear) break;
            ++empty;
        }
        if (FBoard.EmptyRowsAtTop() != empty)
            return Fail("EmptyRowsAtTop gave " + std::to_string(FBoard.EmptyRowsAtTop()) + " for " +
                        std::to_string(empty) + " empty rows");
        if (FBoard.Playing() &&
            (FBoard.CurrentIndex() < 0 || FBoard.CurrentIndex() >= FBoard.PieceCount()))
            return Fail("the falling piece has no valid list index");
        return true;
    }

    brickfall::TBrickfall& FBoard;
    std::vector<TEvent> FEvents;
    std::string FFailure;
    bool FShown = false;   // the falling piece is on the picture
    bool FDamaged = false; // an erase went over settled cells since the last repaint
};

} // namespace soak
