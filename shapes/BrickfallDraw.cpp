#include "shapes/Brickfall.h"

#include "platform/numbers/SysUtils.h"

namespace brickfall {

// The lattice lines k * BlockSize stay in the background colour, so each cell is
// the (BlockSize - 1)-square strictly between them.
TRect TBrickfall::CellRect(int c, int r) const {
    return TRect{(c - 1) * FBlockSize + 1, (r - 1) * FBlockSize + 1, c * FBlockSize,
                 r * FBlockSize};
}

TColor TBrickfall::CellColor(int c, int r) const {
    const int value = FBoard[c][r];
    if (value == 0) return FColor;
    const TPiece* piece = ListedPiece(value - 1);
    return piece ? piece->Color : FColor;
}

void TBrickfall::Paint() {
    TCanvas& canvas = Canvas();
    BeginBatch();
    for (int c = 1; c <= FColumns; ++c)
        for (int r = 1; r <= FRows; ++r) {
            canvas.SetBrushColor(CellColor(c, r));
            canvas.FillRect(CellRect(c, r));
        }
    canvas.SetPenColor(FColor);
    for (int k = 0; k <= FColumns; ++k) {
        canvas.MoveTo(k * FBlockSize, 0);
        canvas.LineTo(k * FBlockSize, Height() + 1);
    }
    for (int k = 0; k <= FRows; ++k) {
        canvas.MoveTo(0, k * FBlockSize);
        canvas.LineTo(Width() + 1, k * FBlockSize);
    }
    if (FDrawGrid) {
        for (int c = 1; c < FColumns; ++c)
            for (int r = 1; r < FRows; ++r)
                canvas.SetPixel(c * FBlockSize, r * FBlockSize, FGridColor);
    }
    if (FPlaying) DrawCurrentPiece(FPieceX, FPieceY);
    EndBatch();
}

void TBrickfall::DrawPiece(TCanvas& Canvas, int X, int Y, const TPiece* Piece, bool Erase) {
    if (!Piece || Piece->Size <= 0) return;
    Canvas.SetBrushColor(Erase ? FColor : Piece->Color);
    for (int i = 1; i <= Piece->Size; ++i)
        for (int j = 1; j <= Piece->Size; ++j)
            if (Piece->Matrix(i, j)) Canvas.FillRect(CellRect(X + i - 1, Y + j - 1));
}

void TBrickfall::DrawCurrentPiece(int X, int Y) {
    DrawPiece(Canvas(), X, Y, FCurrent.get(), false);
}

void TBrickfall::EraseCurrentPiece(int X, int Y) {
    DrawPiece(Canvas(), X, Y, FCurrent.get(), true);
}

void TBrickfall::DrawPieceAt(TCanvas& Canvas, int X, int Y, int PieceIndex) {
    const TPiece* piece = ListedPiece(PieceIndex);
    if (!piece) throw Exception("List index out of bounds (" + QString::number(PieceIndex) + ")");
    DrawPiece(Canvas, X, Y, piece, false);
}

} // namespace brickfall
