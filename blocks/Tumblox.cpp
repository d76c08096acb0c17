#include "blocks/Tumblox.h"

#include "platform/numbers/Random.h"
#include "platform/ui/Dialogs.h"

namespace tumblox {

TPiece::TPiece() {
    NewColors();
}

void TPiece::NewColors() {
    for (TColor& color : Colors)
        color = BlockPalette[static_cast<size_t>(Random(static_cast<int>(BlockPalette.size())))];
}

void TPiece::Cycle() {
    Colors = {Colors[1], Colors[2], Colors[0]};
}

void TPiece::SetPosition(int AX, int AY) {
    X = AX;
    Y = AY;
}

TTumblox::TTumblox(QWidget* AOwner, bool ADesignMode)
    : TGraphicControl(AOwner), FDesignMode(ADesignMode) {
    Randomize();
    FPiece = std::make_unique<TPiece>();
    if (FDesignMode) {
        for (int col = 0; col <= 8; ++col)
            SetCell(col, col % 2 == 0 ? 19 : 18, col % 2 == 0 ? clYellow : clRed);
    }
    SetRows(20);
    SetColumns(9);
    SetDrawBorder(false);
    SetDrawInner(true);
    SetBackgroundcolor(clBlack);
    SetBlockType(btNormal);
    SetBackGroundType(btColor);
    FPlaying = false;
    FPiece->SetPosition(FColumns / 2, 0);
}

TTumblox::~TTumblox() = default;

void TTumblox::SetDrawInner(bool Value) {
    FDrawInner = Value;
    Paint();
}

void TTumblox::SetDrawBorder(bool Value) {
    FDrawBorder = Value;
    Paint();
}

void TTumblox::SetBackgroundcolor(TColor Value) {
    FBackGroundType = btColor;
    FBackgroundcolor = Value;
    Paint();
}

void TTumblox::SetBlockType(TBlockType Value) {
    FBlockType = Value;
    Paint();
}

void TTumblox::SetColumns(int Value) {
    if (Value < 1 || Value > MaxColumns) {
        WarningDlg(QStringLiteral("Value out of range... [1,27]"), QStringLiteral("Warning"));
        return;
    }
    FColumns = Value;
    if (FDesignMode) PlaceDesignSample();
    Paint();
}

void TTumblox::SetRows(int Value) {
    // Three rows would hold the piece but leave it nowhere to fall; the message
    // still names 1 as the lower bound.
    if (Value < 4 || Value > MaxRows) {
        WarningDlg(QStringLiteral("Value out of range... [1,60]"), QStringLiteral("Warning"));
        return;
    }
    FRows = Value;
    SetColumns(FColumns);
    Paint();
}

void TTumblox::SetbackPicture(const QImage& Value) {
    FbackPicture = Value;
    FBackGroundType = btPicture;
    Paint();
}

void TTumblox::PlaceDesignSample() {
    ClearBoard();
    for (int col = 0; col < FColumns; ++col) {
        if (col % 2 == 0)
            SetCell(col, FRows - 1, clRed);
        else
            SetCell(col, FRows - 2, clYellow);
    }
}

TBlockCell TTumblox::Cell(int Col, int Row) const {
    if (Col < 0 || Col >= CellColumns || Row < 0 || Row >= CellRows) return {};
    return FCells[Col][Row];
}

void TTumblox::ClearBoard() {
    for (int row = 0; row < FRows; ++row)
        ClearRow(row);
}

void TTumblox::ClearRow(int Row) {
    if (Row < 0 || Row >= CellRows) return;
    for (int col = 0; col < FColumns; ++col)
        FCells[col][Row] = TBlockCell{};
}

void TTumblox::SetCell(int Col, int Row, TColor Value) {
    if (Col < 0 || Col >= CellColumns || Row < 0 || Row >= CellRows) return;
    FCells[Col][Row] = TBlockCell{false, Value != FBackgroundcolor, Value};
}

void TTumblox::NewGame() {
    ClearBoard();
    FPlaying = true;
    // The first piece starts in column 4, every later one in Columns div 2; a board
    // too narrow for column 4 uses its middle column for the first piece as well.
    FPiece->SetPosition(FColumns < 5 ? FColumns / 2 : 4, 0);
    Paint();
}

int TTumblox::StepDown() {
    if (!FPlaying) return 0;
    TPiece& piece = *FPiece;
    const bool lands = piece.Y + 3 >= FRows || FCells[piece.X][piece.Y + 3].Filled;
    if (!lands) {
        DrawCell(piece.X, piece.Y, FBackgroundcolor);
        piece.Y += 1;
        DrawPiece();
        return 0;
    }
    for (int i = 0; i < 3; ++i) {
        TBlockCell& cell = FCells[piece.X][piece.Y + i];
        cell.Filled = true;
        cell.Color = piece.Colors[i];
    }
    // The next piece is not drawn here: the next step, move or repaint draws it.
    piece.SetPosition(FColumns / 2, 0);
    piece.NewColors();
    const int lines = FindMatches();
    if (CheckGameOver()) return -99;
    return lines;
}

int TTumblox::MoveLeft() {
    if (!FPlaying) return -1;
    const TPiece& piece = *FPiece;
    if (piece.X == 0) return 0;
    for (int i = 0; i < 3; ++i)
        if (FCells[piece.X - 1][piece.Y + i].Filled) return 0;
    ErasePiece();
    FPiece->X -= 1;
    DrawPiece();
    return 1;
}

int TTumblox::MoveRight() {
    if (!FPlaying) return -1;
    const TPiece& piece = *FPiece;
    if (piece.X + 1 >= FColumns) return 0;
    for (int i = 0; i < 3; ++i)
        if (FCells[piece.X + 1][piece.Y + i].Filled) return 0;
    ErasePiece();
    FPiece->X += 1;
    DrawPiece();
    return 1;
}

void TTumblox::Drop() {
    ErasePiece();
    TPiece& piece = *FPiece;
    int row = piece.Y;
    while (row + 3 < FRows && !FCells[piece.X][row + 3].Filled)
        ++row;
    piece.Y = row;
    DrawPiece();
}

void TTumblox::CycleColors() {
    FPiece->Cycle();
    DrawPiece();
}

int TTumblox::FindMatches() {
    // Each line of three is found once, from its left end (its top end when it
    // stands upright), so a pass marks every line before any block falls, and
    // blocks shared by crossing lines are removed once.
    static constexpr int Directions[4][2] = {{1, 0}, {0, 1}, {1, 1}, {1, -1}};
    int count = 0;
    bool found = true;
    while (found) {
        found = false;
        for (int a = 0; a < FColumns; ++a) {
            for (int i = 0; i < FRows; ++i) {
                const TBlockCell& start = FCells[a][i];
                if (!start.Filled) continue;
                for (const auto& d : Directions) {
                    if (!FilledWith(a + d[0], i + d[1], start.Color) ||
                        !FilledWith(a + 2 * d[0], i + 2 * d[1], start.Color))
                        continue;
                    FCells[a][i].Marked = true;
                    FCells[a + d[0]][i + d[1]].Marked = true;
                    FCells[a + 2 * d[0]][i + 2 * d[1]].Marked = true;
                    found = true;
                    ++count;
                }
            }
        }
        if (found) {
            RemoveMarked();
            Paint();
        }
    }
    return count;
}

void TTumblox::RemoveMarked() {
    for (int col = 0; col < FColumns; ++col)
        for (int row = 0; row < FRows; ++row)
            if (FCells[col][row].Marked) DeleteCell(col, row);
}

void TTumblox::DeleteCell(int Col, int Row) {
    if (Col < 0 || Col >= CellColumns || Row < 0 || Row >= CellRows) return;
    auto& column = FCells[Col];
    column[Row].Marked = false;
    // The marks stay where they are: removing top to bottom, each call then takes
    // out exactly one marked block even though the blocks above it moved down.
    for (int k = Row; k >= 1; --k) {
        column[k].Filled = column[k - 1].Filled;
        column[k].Color = column[k - 1].Color;
    }
    column[0].Filled = false;
    column[0].Color = 0;
    if (FOnDeleteBlock) FOnDeleteBlock(this);
}

bool TTumblox::CheckGameOver() {
    bool topTaken = false;
    for (int col = 0; col < FColumns; ++col)
        topTaken = topTaken || FCells[col][0].Filled;
    if (!topTaken) return false;
    for (int col = 0; col < FColumns; ++col)
        for (int row = 0; row < FRows; ++row)
            SetCell(col, row, clRed);
    Paint();
    if (FOngameOver) FOngameOver(this);
    return true;
}

} // namespace tumblox
