#include "blocks/Tumblox.h"

#include <cmath>

namespace tumblox {

namespace {

// Halves go to the even neighbour whatever the floating-point rounding mode is:
// the board's edges depend on it (a 386-pixel board of 4 columns ends its first
// column at 96, not 97).
int RoundHalfEven(double value) {
    const double whole = std::floor(value);
    const double fraction = value - whole;
    int result = static_cast<int>(whole);
    if (fraction > 0.5 || (fraction == 0.5 && result % 2 != 0)) ++result;
    return result;
}

} // namespace

TRect TTumblox::CellRect(int Col, int Row) const {
    // The cell size is a 32-bit float; its products with the column and row are
    // exact in double precision. So 513 / 20 rows is 25.6499996, row 10 ends just
    // below 256.5 and rounds to 256, while an exact half such as 4 x 96.5 goes to
    // the even neighbour.
    const double cellWidth = static_cast<float>(Width()) / static_cast<float>(FColumns);
    const double cellHeight = static_cast<float>(Height()) / static_cast<float>(FRows);
    return TRect{RoundHalfEven(Col * cellWidth), RoundHalfEven(Row * cellHeight),
                 RoundHalfEven((Col + 1) * cellWidth), RoundHalfEven((Row + 1) * cellHeight)};
}

void TTumblox::DrawCell(int Col, int Row, TColor Color) {
    TCanvas& canvas = Canvas();
    const TRect box = CellRect(Col, Row);
    const int x1 = box.Left;
    const int y1 = box.Top;
    const int x2 = box.Right;
    const int y2 = box.Bottom;
    canvas.SetPenColor(Color);
    canvas.SetBrushStyle(TBrushStyle::bsSolid);
    if (Color == FBackgroundcolor) {
        // Also over a picture background: a cleared cell shows the colour until
        // the next Paint lays the picture again.
        canvas.SetBrushColor(FBackgroundcolor);
        canvas.Rectangle(x1, y1, x2, y2);
        return;
    }
    switch (FBlockType) {
    case btNormal:
        canvas.SetBrushColor(FBackgroundcolor);
        if (FDrawBorder) canvas.Rectangle(x1, y1, x2 - 1, y2 - 1);
        canvas.SetBrushColor(Color);
        if (FDrawInner) canvas.Rectangle(x1 + 1, y1 + 1, x2 - 2, y2 - 2);
        break;
    case btRound:
        canvas.SetBrushColor(FBackgroundcolor);
        if (FDrawBorder) canvas.Ellipse(x1, y1, x2, y2);
        canvas.SetBrushColor(Color);
        if (FDrawInner) canvas.Ellipse(x1 + 1, y1 + 1, x2 - 1, y2 - 1);
        break;
    case btButton:
        // DrawInner plays no part in this look; without a border the fill stops one
        // pixel short of the bevel and that ring keeps what lay there before.
        canvas.SetBrushColor(Color);
        if (FDrawBorder)
            canvas.Rectangle(x1 + 1, y1 + 1, x2 - 1, y2 - 1);
        else
            canvas.Rectangle(x1 + 2, y1 + 2, x2 - 2, y2 - 2);
        // Raised bevel: the bottom-left pixel ends up white, the top-right one grey.
        canvas.SetPenColor(clWhite);
        canvas.MoveTo(x1, y2 - 1);
        canvas.LineTo(x1, y1);
        canvas.LineTo(x2 - 1, y1);
        canvas.SetPenColor(clGray);
        canvas.MoveTo(x2 - 1, y1);
        canvas.LineTo(x2 - 1, y2 - 1);
        canvas.LineTo(x1, y2 - 1);
        break;
    }
}

void TTumblox::DrawPiece() {
    for (int i = 0; i < 3; ++i)
        DrawCell(FPiece->X, FPiece->Y + i, FPiece->Colors[static_cast<size_t>(i)]);
}

void TTumblox::ErasePiece() {
    for (int i = 0; i < 3; ++i)
        DrawCell(FPiece->X, FPiece->Y + i, FBackgroundcolor);
}

void TTumblox::Paint() {
    TCanvas& canvas = Canvas();
    // One screen refresh for the whole board, not one for each of its rectangles.
    BeginBatch();
    if (FBackGroundType == btColor) {
        canvas.SetBrushColor(FBackgroundcolor);
        canvas.SetBrushStyle(TBrushStyle::bsSolid);
        canvas.FillRect(TRect{0, 0, Width(), Height()});
    } else if (QImage* image = canvas.Image(); image && !image->isNull()) {
        // The backing image stands for the surface beneath the board: start it
        // transparent so that removed blocks vanish and, with no picture, the
        // window's own background shows through.
        image->fill(Qt::transparent);
        update();
        canvas.StretchDraw(TRect{0, 0, Width(), Height()}, FbackPicture);
    }
    for (int col = 0; col < FColumns; ++col)
        for (int row = 0; row < FRows; ++row)
            if (FCells[col][row].Filled) DrawCell(col, row, FCells[col][row].Color);
    if (FPlaying) DrawPiece();
    EndBatch();
}

} // namespace tumblox
