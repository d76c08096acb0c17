#include "blocks/Tumblox.h"

#include <cmath>

namespace tumblox {

namespace {

// Halves go to the even neighbour whatever the floating-point rounding mode is:
// the board's edges depend on it (a 386-pixel board of 4 columns ends its first
// column at 96, not 97).
int RoundHalfEven(float value) {
    const float whole = std::floor(value);
    const float fraction = value - whole;
    int result = static_cast<int>(whole);
    if (fraction > 0.5f || (fraction == 0.5f && result % 2 != 0)) ++result;
    return result;
}

} // namespace

TRect TTumblox::CellRect(int Col, int Row) const {
    // Single precision on purpose: the edges are those of float products (513 / 20
    // rows is 25.6499996 as a float, and row 10 ends at 256).
    const float cellWidth = static_cast<float>(Width()) / static_cast<float>(FColumns);
    const float cellHeight = static_cast<float>(Height()) / static_cast<float>(FRows);
    return TRect{RoundHalfEven(static_cast<float>(Col) * cellWidth),
                 RoundHalfEven(static_cast<float>(Row) * cellHeight),
                 RoundHalfEven(static_cast<float>(Col + 1) * cellWidth),
                 RoundHalfEven(static_cast<float>(Row + 1) * cellHeight)};
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
}

} // namespace tumblox
