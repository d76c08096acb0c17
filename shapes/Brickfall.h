#pragma once

#include "platform/ui/GraphicControl.h"
#include "shapes/Piece.h"

#include <QStringList>
#include <array>
#include <functional>
#include <memory>
#include <vector>

namespace brickfall {

class TBrickfall;

// Raised once per landing that removed rows; Lines is how many (1..5).
using TOnLineFull = std::function<void(TBrickfall* Sender, int Lines)>;
// Raised once, when a piece lands with the top of its box at or above the top edge.
using TOnGameEnd = std::function<void(TBrickfall* Sender)>;
// Raised after every spawn; Piece is the list index of the piece now falling.
using TOnNewPiece = std::function<void(TBrickfall* Sender, int Piece)>;

// The Shapes playing field: Rows x Columns cells into which pieces fall one at a
// time. It holds the game state, applies the rules and draws itself; its owner
// calls StepDown on every tick and the moves on key presses, and hears back
// through the three events, which are raised synchronously from inside StepDown.
//
// Board coordinates run from 1: column 1 is the leftmost, row 1 the top row. Rows
// 0, -1, ... lie above the board: a falling piece may hang there, nothing is stored.
class TBrickfall : public TGraphicControl {
public:
    static constexpr int MaxColumns = 30;
    static constexpr int MaxRows = 50;

    explicit TBrickfall(QWidget* parent = nullptr);
    ~TBrickfall() override;

    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    TColor GridColor() const { return FGridColor; }
    void SetGridColor(TColor value);
    // Cell pitch in pixels. Size properties and Pieces are ignored while playing.
    int BlockSize() const { return FBlockSize; }
    void SetBlockSize(int value);
    int Rows() const { return FRows; }
    void SetRows(int value); // clamped to 2..50
    int Columns() const { return FColumns; }
    void SetColumns(int value); // clamped to 2..30
    bool DrawGrid() const { return FDrawGrid; }
    void SetDrawGrid(bool value);
    const QStringList& Pieces() const { return FPieces; }
    void SetPieces(const QStringList& value);
    bool UseDefaultPieces() const { return FUseDefaultPieces; }
    void SetUseDefaultPieces(bool value) { FUseDefaultPieces = value; }
    void SetOnLineFull(TOnLineFull handler) { FOnLineFull = std::move(handler); }
    void SetOnGameEnd(TOnGameEnd handler) { FOnGameEnd = std::move(handler); }
    void SetOnNewPiece(TOnNewPiece handler) { FOnNewPiece = std::move(handler); }

    // List index of the piece that falls after the current one; -1 before the first
    // spawn. A new game keeps it, so its first piece is the one shown as next.
    int NextPiece() const { return FNextPiece; }
    bool Playing() const { return FPlaying; }

    // Reseeds the random generator, clears the board, builds the pieces and spawns
    // the first one. Throws when the pieces cannot be built; the game then does not
    // start.
    void NewGame();
    // Builds the piece list from the built-in set or from Pieces. Throws "No pieces
    // to initialize." or the empty-matrix message; false when no list could be made.
    bool InitPieces();
    int PieceCount() const { return static_cast<int>(FPieceList.size()); }
    void FreePieces();
    void SelectPiece(int Index);

    bool MoveLeft();
    bool MoveRight();
    // Direction 1 clockwise, 0 counter-clockwise; no wall kicks.
    void Rotate(int Direction);
    // 1: moved down; 0: landed and the next piece spawned; -1: landed and the game
    // ended. Before any piece exists it does nothing and returns 0.
    int StepDown();
    // Moves the piece to the lowest row it can reach, where the next StepDown lands
    // it; it can still be slid or turned until then. Always true.
    bool Drop();
    // Wholly empty rows above the topmost settled cell; Rows on an empty board.
    int EmptyRowsAtTop() const;

    // Drawing.
    void Paint() override;
    void DrawPiece(TCanvas& Canvas, int X, int Y, const TPiece* Piece, bool Erase);
    void DrawCurrentPiece(int X, int Y);
    void EraseCurrentPiece(int X, int Y);
    // Draws list piece PieceIndex with its box at cell [X, Y] of any canvas, in the
    // board's cell geometry. Throws "List index out of bounds (%d)" for a bad index.
    void DrawPieceAt(TCanvas& Canvas, int X, int Y, int PieceIndex);

    // The pixels of board cell [c, r]: the square inside the lattice.
    TRect CellRect(int c, int r) const;

    // State a test or a soak player inspects: 0 empty, k a cell of list piece k-1.
    int Cell(int c, int r) const { return FBoard[c][r]; }
    int PieceX() const { return FPieceX; }
    int PieceY() const { return FPieceY; }
    const TPiece* CurrentPiece() const { return FCurrent.get(); }
    int CurrentIndex() const { return FCurrentIndex; }
    const TPiece* ListedPiece(int index) const;

protected:
    // Lays a settled cell directly, for fixtures that start from a given board.
    void SetCellValue(int c, int r, int value) { FBoard[c][r] = value; }

    bool CanMove(int DX, int DY) const;
    bool CanRotate(int Direction) const;
    bool LandPiece();
    void RemoveFullRows();
    int NewPiece();
    void ClearBoard();

private:
    bool Fits(const TPieceMatrix& matrix, int size, int x, int y) const;
    TColor CellColor(int c, int r) const;

    TColor FColor = clBlack;
    TColor FGridColor = clWhite;
    int FBlockSize = 0;
    int FRows = 20;
    int FColumns = 9;
    bool FDrawGrid = false;
    QStringList FDefaultPieces;
    QStringList FPieces;
    bool FUseDefaultPieces = false;
    TOnLineFull FOnLineFull;
    TOnGameEnd FOnGameEnd;
    TOnNewPiece FOnNewPiece;

    // Indexed [column][row] from 1; sized for the largest board the limits allow.
    std::array<std::array<int, MaxRows + 1>, MaxColumns + 1> FBoard{};
    int FPieceX = 0;
    int FPieceY = 0;
    bool FPlaying = false;
    std::vector<std::unique_ptr<TPiece>> FPieceList;
    std::unique_ptr<TPiece> FCurrent;
    int FCurrentIndex = -1;
    int FNextPiece = -1;
};

// The board's built-in easy set, in order.
const QStringList& DefaultPieceStrings();
// The Shapes window's own set of twelve, in order: the set in play unless the player
// chose the easy pieces.
const QStringList& WindowPieceStrings();

} // namespace brickfall
