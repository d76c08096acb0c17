#pragma once

#include "tests/common/SoakSupport.h"

#include "blocks/Tumblox.h"

#include <QImage>
#include <algorithm>
#include <string>
#include <vector>

// Watches a Blocks board through its public face while a player drives it, and after
// every operation checks what the rules promise: where the piece went, what a landing
// left behind, the events and their order, and that the drawing done cell by cell
// shows what a full repaint would. Shared by the soak test and the fuzzers, so it
// reports a broken rule as text instead of through a test framework.
namespace soak {

enum class TBlocksMove { Left, Right, Cycle, Step, Drop };
inline constexpr int kBlocksMoves = 5;

class TBlocksReferee {
public:
    explicit TBlocksReferee(tumblox::TTumblox& board) : FBoard(board) {
        board.SetOnDeleteBlock([this](tumblox::TTumblox*) { FEvents.push_back('D'); });
        board.SetOngameOver([this](tumblox::TTumblox*) { FEvents.push_back('G'); });
    }

    const std::string& Failure() const { return FFailure; }
    bool Ended() const { return FEnded; }

    int Games = 0;
    int Landings = 0;
    int Lines = 0;
    int Removed = 0;
    int Pictures = 0;

    bool NewGame() {
        FEvents.clear();
        const std::array<TColor, 3> colors = FBoard.Piece().Colors;
        FBoard.NewGame();
        ++Games;
        FEnded = false;
        FShown = true; // NewGame repaints with the piece
        FDamaged = false;
        FOutside = Outside();
        if (!FBoard.Playing()) return Fail("a new game is not playing");
        if (Filled() != 0) return Fail("a new game starts on a board with blocks");
        if (!FEvents.empty()) return Fail("a new game raised events");
        const tumblox::TPiece& piece = FBoard.Piece();
        const int column = FBoard.Columns() < 5 ? FBoard.Columns() / 2 : 4;
        if (piece.X != column || piece.Y != 0 || piece.Colors != colors)
            return Fail("the first piece is not in column " + std::to_string(column) +
                        " of row 0 with its colours");
        return CheckAlways();
    }

    bool Play(TBlocksMove move) {
        if (!FFailure.empty()) return false;
        const std::vector<tumblox::TBlockCell> before = InPlay();
        const tumblox::TPiece piece = FBoard.Piece();
        const bool overlapping = Overlaps(piece);
        FEvents.clear();
        switch (move) {
        case TBlocksMove::Left:
        case TBlocksMove::Right: {
            const int dx = move == TBlocksMove::Left ? -1 : 1;
            const int to = piece.X + dx;
            bool free = to >= 0 && to < FBoard.Columns();
            for (int i = 0; free && i < 3; ++i)
                free = !FBoard.Cell(to, piece.Y + i).Filled;
            const int result = dx < 0 ? FBoard.MoveLeft() : FBoard.MoveRight();
            if (result != (free ? 1 : 0))
                return Fail("a sideways move gave " + std::to_string(result) + " where " +
                            (free ? "the way was free" : "the way was blocked"));
            if (!Unchanged(before, piece.Colors, free ? to : piece.X, piece.Y)) return false;
            if (free) Drawn(overlapping);
            break;
        }
        case TBlocksMove::Cycle:
            FBoard.CycleColors();
            if (!Unchanged(before, {piece.Colors[1], piece.Colors[2], piece.Colors[0]}, piece.X,
                           piece.Y))
                return false;
            // Drawing without erasing first: the piece lies over what it covers, as in
            // a repaint.
            FShown = true;
            break;
        case TBlocksMove::Drop: {
            int row = piece.Y;
            while (row + 3 < FBoard.Rows() && !FBoard.Cell(piece.X, row + 3).Filled)
                ++row;
            FBoard.Drop();
            if (!Unchanged(before, piece.Colors, piece.X, row)) return false;
            Drawn(overlapping);
            break;
        }
        case TBlocksMove::Step:
            if (!Step(before, piece, overlapping)) return false;
            break;
        }
        return CheckAlways();
    }

    // Compares the backing image, drawn cell by cell, with a full repaint of the same
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
    bool Fail(const std::string& what) {
        if (FFailure.empty())
            FFailure = what + " (board " + std::to_string(FBoard.Columns()) + "x" +
                       std::to_string(FBoard.Rows()) + " on " + std::to_string(FBoard.Width()) +
                       "x" + std::to_string(FBoard.Height()) + " px, look " +
                       std::to_string(FBoard.BlockType()) + (FBoard.DrawBorder() ? " border" : "") +
                       (FBoard.DrawInner() ? " inner" : "") + ", game " + std::to_string(Games) +
                       ", landing " + std::to_string(Landings) + ")";
        return false;
    }

    std::vector<tumblox::TBlockCell> InPlay() const {
        std::vector<tumblox::TBlockCell> cells;
        cells.reserve(static_cast<size_t>(FBoard.Columns() * FBoard.Rows()));
        for (int col = 0; col < FBoard.Columns(); ++col)
            for (int row = 0; row < FBoard.Rows(); ++row)
                cells.push_back(FBoard.Cell(col, row));
        return cells;
    }
    std::vector<tumblox::TBlockCell> Outside() const {
        std::vector<tumblox::TBlockCell> cells;
        for (int col = 0; col <= tumblox::TTumblox::MaxColumns; ++col)
            for (int row = 0; row <= tumblox::TTumblox::MaxRows; ++row)
                if (col >= FBoard.Columns() || row >= FBoard.Rows())
                    cells.push_back(FBoard.Cell(col, row));
        return cells;
    }
    int Filled() const {
        int filled = 0;
        for (int col = 0; col < FBoard.Columns(); ++col)
            for (int row = 0; row < FBoard.Rows(); ++row)
                filled += FBoard.Cell(col, row).Filled;
        return filled;
    }
    bool Overlaps(const tumblox::TPiece& piece) const {
        for (int i = 0; i < 3; ++i)
            if (FBoard.Cell(piece.X, piece.Y + i).Filled) return true;
        return false;
    }
    bool SameColour(int col, int row, TColor color) const {
        if (col < 0 || col >= FBoard.Columns() || row < 0 || row >= FBoard.Rows()) return false;
        const tumblox::TBlockCell cell = FBoard.Cell(col, row);
        return cell.Filled && cell.Color == color;
    }
    bool LineOfThreeLeft() const {
        static constexpr int kDirections[4][2] = {{1, 0}, {0, 1}, {1, 1}, {1, -1}};
        for (int col = 0; col < FBoard.Columns(); ++col)
            for (int row = 0; row < FBoard.Rows(); ++row) {
                const tumblox::TBlockCell cell = FBoard.Cell(col, row);
                if (!cell.Filled) continue;
                for (const auto& d : kDirections)
                    if (SameColour(col + d[0], row + d[1], cell.Color) &&
                        SameColour(col + 2 * d[0], row + 2 * d[1], cell.Color))
                        return true;
            }
        return false;
    }

    void Drawn(bool overlapping) {
        // Erasing the piece where it stood over blocks erases their squares as well;
        // only the next full repaint shows them again.
        if (overlapping) FDamaged = true;
        FShown = true;
    }

    bool Unchanged(const std::vector<tumblox::TBlockCell>& before,
                   const std::array<TColor, 3>& colors, int x, int y) {
        if (!FEvents.empty()) return Fail("a move raised events");
        if (InPlay() != before) return Fail("a move changed the board's cells");
        const tumblox::TPiece& piece = FBoard.Piece();
        if (piece.X != x || piece.Y != y)
            return Fail("the piece is at (" + std::to_string(piece.X) + "," +
                        std::to_string(piece.Y) + "), expected (" + std::to_string(x) + "," +
                        std::to_string(y) + ")");
        if (piece.Colors != colors) return Fail("the piece's colours are not the expected ones");
        return true;
    }

    bool Step(const std::vector<tumblox::TBlockCell>& before, const tumblox::TPiece& piece,
              bool overlapping) {
        const bool lands = piece.Y + 3 >= FBoard.Rows() || FBoard.Cell(piece.X, piece.Y + 3).Filled;
        int empties = 0;
        for (int i = 0; i < 3; ++i)
            empties += !FBoard.Cell(piece.X, piece.Y + i).Filled;
        const int filledBefore = Filled();
        const int result = FBoard.StepDown();
        if (!lands) {
            if (result != 0) return Fail("a step without landing gave " + std::to_string(result));
            if (!Unchanged(before, piece.Colors, piece.X, piece.Y + 1)) return false;
            Drawn(overlapping);
            return true;
        }
        ++Landings;
        const int deleted = static_cast<int>(std::count(FEvents.begin(), FEvents.end(), 'D'));
        const int overs = static_cast<int>(std::count(FEvents.begin(), FEvents.end(), 'G'));
        Removed += deleted;
        if (overs > 1 || (overs == 1 && FEvents.back() != 'G'))
            return Fail("OngameOver came more than once or before a removal");
        const tumblox::TPiece& next = FBoard.Piece();
        if (next.X != FBoard.Columns() / 2 || next.Y != 0)
            return Fail("the next piece does not start in column Columns div 2 of row 0");
        for (TColor color : next.Colors)
            if (std::find(tumblox::BlockPalette.begin(), tumblox::BlockPalette.end(), color) ==
                tumblox::BlockPalette.end())
                return Fail("the next piece has a colour outside the palette");
        if (result == -99) {
            if (overs != 1) return Fail("a landing that ended the game raised no OngameOver");
            for (int col = 0; col < FBoard.Columns(); ++col)
                for (int row = 0; row < FBoard.Rows(); ++row)
                    if (!SameColour(col, row, clRed)) return Fail("game over left a cell not red");
            FEnded = true;
            FShown = true;
            FDamaged = false;
            return true;
        }
        if (overs != 0) return Fail("OngameOver fired but StepDown gave " + std::to_string(result));
        if (result < 0) return Fail("a landing gave " + std::to_string(result));
        Lines += result;
        if ((result == 0) != (deleted == 0) || deleted > 3 * result)
            return Fail(std::to_string(result) + " lines removed " + std::to_string(deleted) +
                        " blocks");
        for (int col = 0; col < FBoard.Columns(); ++col)
            if (FBoard.Cell(col, 0).Filled) return Fail("row 0 holds a block and the game goes on");
        if (LineOfThreeLeft()) return Fail("a line of three is left after a landing");
        if (Filled() != filledBefore + empties - deleted)
            return Fail("filled cells " + std::to_string(Filled()) + " after a landing onto " +
                        std::to_string(filledBefore) + " that removed " + std::to_string(deleted));
        // The next piece is drawn only by a removal's repaint or by the next operation.
        FShown = result > 0;
        if (result > 0) FDamaged = false;
        return true;
    }

    bool CheckAlways() {
        if (Outside() != FOutside) return Fail("a cell outside the board changed");
        for (int col = 0; col < FBoard.Columns(); ++col) {
            bool below = false; // the cell just under this one holds a block
            for (int row = FBoard.Rows() - 1; row >= 0; --row) {
                const tumblox::TBlockCell cell = FBoard.Cell(col, row);
                if (cell.Marked) return Fail("a mark is left on the board");
                if (!cell.Filled) {
                    if (cell.Color != 0) return Fail("an empty cell keeps a colour");
                    below = false;
                    continue;
                }
                if (!below && row != FBoard.Rows() - 1 && !FEnded)
                    return Fail("a block floats at (" + std::to_string(col) + "," +
                                std::to_string(row) + ")");
                below = true;
            }
        }
        return true;
    }

    tumblox::TTumblox& FBoard;
    std::vector<char> FEvents;
    std::vector<tumblox::TBlockCell> FOutside;
    std::string FFailure;
    bool FEnded = false;
    bool FShown = true;    // the falling piece is on the picture
    bool FDamaged = false; // an erase went over blocks since the last repaint
};

} // namespace soak
