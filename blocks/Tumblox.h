#pragma once

#include "platform/ui/Canvas.h"
#include "platform/ui/Color.h"
#include "platform/ui/GraphicControl.h"

#include <QImage>
#include <array>
#include <functional>
#include <memory>

// The Blocks board: a column of three coloured blocks falls into a grid; every
// straight line of three blocks of one colour (across, down or either diagonal) is
// removed and the blocks above fall into the gaps. The board has no clock and reads
// no keys: its owner calls StepDown on every tick and the moves on key presses.
namespace tumblox {

enum TBlockType { btNormal, btRound, btButton };
enum TbackType { btColor, btPicture };

struct TBlockCell {
    bool Marked = false; // lies on a line found in the current pass
    bool Filled = false;
    TColor Color = 0;
    bool operator==(const TBlockCell&) const = default;
};

// The block colours, indexed by Random(6).
inline constexpr std::array<TColor, 6> BlockPalette = {clRed,    clBlue,   clWhite,
                                                       clYellow, clMaroon, clFuchsia};

// The falling column: Colors[0] is the top block at (X, Y), Colors[2] the bottom one
// at (X, Y + 2). While it falls it is not part of the board's cells.
class TPiece {
public:
    // At (5, 0) with three random colours; the board places it at once.
    TPiece();

    void NewColors();
    // Every colour moves up one block; the top one goes to the bottom.
    void Cycle();
    void SetPosition(int AX, int AY);

    int X = 5;
    int Y = 0;
    std::array<TColor, 3> Colors{};
};

class TTumblox;
using TNotifyEvent = std::function<void(TTumblox* Sender)>;

class TTumblox : public TGraphicControl {
public:
    static constexpr int MaxColumns = 27;
    static constexpr int MaxRows = 60;

    // Seeds the program's random generator from the clock. ADesignMode shows a
    // sample board as a form designer would; the program itself never sets it.
    explicit TTumblox(QWidget* AOwner = nullptr, bool ADesignMode = false);
    ~TTumblox() override;

    // Every property write repaints at once, except BackGroundType and the events.
    bool DrawInner() const { return FDrawInner; }
    void SetDrawInner(bool Value);
    bool DrawBorder() const { return FDrawBorder; }
    void SetDrawBorder(bool Value);
    TColor Backgroundcolor() const { return FBackgroundcolor; }
    // Also switches BackGroundType to btColor.
    void SetBackgroundcolor(TColor Value);
    TBlockType BlockType() const { return FBlockType; }
    void SetBlockType(TBlockType Value);
    int Columns() const { return FColumns; }
    // 1..27; any other value shows "Value out of range... [1,27]" and keeps the old one.
    void SetColumns(int Value);
    int Rows() const { return FRows; }
    // 4..60; any other value shows "Value out of range... [1,60]" and keeps the old one.
    void SetRows(int Value);
    TbackType BackGroundType() const { return FBackGroundType; }
    // Stores only: the next Paint shows the change.
    void SetBackGroundType(TbackType Value) { FBackGroundType = Value; }
    const QImage& backPicture() const { return FbackPicture; }
    // The board keeps its own copy and switches BackGroundType to btPicture.
    void SetbackPicture(const QImage& Value);

    // Both events run inside StepDown, before it returns. OnDeleteBlock fires once per
    // removed block, after its column has closed up; OngameOver once per game over.
    void SetOngameOver(TNotifyEvent Value) { FOngameOver = std::move(Value); }
    void SetOnDeleteBlock(TNotifyEvent Value) { FOnDeleteBlock = std::move(Value); }

    // Clears the board and starts playing; the piece keeps its colours.
    void NewGame();
    // One fall step. 0 when idle or when the piece only moved; after a landing the
    // number of lines of three removed (a run of four counts 2), or -99 when the
    // landing ended the game. A piece resting on something lands on the next step.
    int StepDown();
    // -1 when idle, 0 when blocked, 1 when moved.
    int MoveLeft();
    int MoveRight();
    // Brings the piece down as far as it can go without landing it; works when idle.
    void Drop();
    // Rotates the piece's colours; works when idle.
    void CycleColors();

    void Paint() override;
    // Draws one cell; a colour equal to Backgroundcolor clears it.
    void DrawCell(int Col, int Row, TColor Color);
    void DrawPiece();
    void ErasePiece();
    // The pixel box of a cell: Left <= x < Right, Top <= y < Bottom.
    TRect CellRect(int Col, int Row) const;

    bool Playing() const { return FPlaying; }
    bool DesignMode() const { return FDesignMode; }
    const TPiece& Piece() const { return *FPiece; }
    // Any cell of the stored array (28 x 61); outside it, an empty cell.
    TBlockCell Cell(int Col, int Row) const;

protected:
    // The steps of a turn. Each works on columns 0..Columns-1 and rows 0..Rows-1;
    // cells beyond stay stored and come back when the board grows again.
    void ClearBoard();
    void ClearRow(int Row);
    // A colour equal to Backgroundcolor leaves the cell empty, holding that colour.
    void SetCell(int Col, int Row, TColor Value);
    // Removes one block: the blocks above it fall one row, the marks stay put.
    void DeleteCell(int Col, int Row);
    // Removes every line of three, pass after pass until a pass finds none; one
    // Paint per removing pass. The result counts lines, not blocks.
    int FindMatches();
    void RemoveMarked();
    // A block in row 0 turns the whole board red and raises OngameOver.
    bool CheckGameOver();
    TPiece& EditPiece() { return *FPiece; }

private:
    static constexpr int CellColumns = MaxColumns + 1;
    static constexpr int CellRows = MaxRows + 1;

    bool OnBoard(int Col, int Row) const {
        return Col >= 0 && Col < FColumns && Row >= 0 && Row < FRows;
    }
    bool FilledWith(int Col, int Row, TColor Color) const {
        return OnBoard(Col, Row) && FCells[Col][Row].Filled && FCells[Col][Row].Color == Color;
    }
    void PlaceDesignSample();

    bool FDrawBorder = false;
    bool FDrawInner = true;
    TColor FBackgroundcolor = clBlack;
    std::array<std::array<TBlockCell, CellRows>, CellColumns> FCells{};
    bool FPlaying = false;
    std::unique_ptr<TPiece> FPiece;
    TBlockType FBlockType = btNormal;
    // Start at their constructed values so that the constructor's own writes, where
    // Rows re-applies the column count, never meet an out-of-range count.
    int FColumns = 9;
    int FRows = 20;
    QImage FbackPicture;
    TbackType FBackGroundType = btColor;
    TNotifyEvent FOngameOver;
    TNotifyEvent FOnDeleteBlock;
    bool FDesignMode = false;
};

} // namespace tumblox
