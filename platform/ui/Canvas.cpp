#include "platform/ui/Canvas.h"

#include <QPainter>
#include <algorithm>
#include <cstdlib>

void TCanvas::SetBrushColor(TColor color) {
    FBrushColor = color;
    FBrushPixel = ColorToPixel(color);
}

void TCanvas::SetPenColor(TColor color) {
    FPenColor = color;
    FPenPixel = ColorToPixel(color);
}

void TCanvas::Changed(const QRect& rect) {
    if (FOnChange && !rect.isEmpty()) FOnChange(rect);
}

void TCanvas::FillSpan(int left, int top, int right, int bottom, uint32_t pixel) {
    if (!FImage) return;
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, FImage->width());
    bottom = std::min(bottom, FImage->height());
    if (left >= right || top >= bottom) return;
    // bits() checks once whether the image is shared; scanLine() would check per row,
    // which cost as much as the filling itself on a board of small cells.
    uchar* bits = FImage->bits();
    const qsizetype stride = FImage->bytesPerLine();
    for (int y = top; y < bottom; ++y) {
        auto* line = reinterpret_cast<uint32_t*>(bits + y * stride);
        std::fill(line + left, line + right, pixel);
    }
    Changed(QRect(left, top, right - left, bottom - top));
}

void TCanvas::PutPixel(int x, int y, uint32_t pixel) {
    if (!FImage || x < 0 || y < 0 || x >= FImage->width() || y >= FImage->height()) return;
    reinterpret_cast<uint32_t*>(FImage->scanLine(y))[x] = pixel;
}

void TCanvas::FillRect(const TRect& rect) {
    FillSpan(rect.Left, rect.Top, rect.Right, rect.Bottom, FBrushPixel);
}

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    if (right <= left || bottom <= top) return;
    if (FBrushStyle == TBrushStyle::bsSolid)
        FillSpan(left + 1, top + 1, right - 1, bottom - 1, FBrushPixel);
    FillSpan(left, top, right, top + 1, FPenPixel);
    FillSpan(left, bottom - 1, right, bottom, FPenPixel);
    FillSpan(left, top, left + 1, bottom, FPenPixel);
    FillSpan(right - 1, top, right, bottom, FPenPixel);
}

void TCanvas::Ellipse(int left, int top, int right, int bottom) {
    if (!FImage) return;
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    if (right <= left || bottom <= top) return;
    // QPainter's aliased ellipse strays outside the rectangle it is given for some
    // boxes, flat ones by several pixels on each side, and a clip does not hold its
    // fill back; GDI never paints outside the box. So the ellipse is drawn into an
    // image of the box's size first, which nothing can leave.
    const QRect box(left, top, right - left, bottom - top);
    QImage shape(box.size(), QImage::Format_ARGB32_Premultiplied);
    shape.fill(Qt::transparent);
    {
        QPainter painter(&shape);
        painter.setRenderHint(QPainter::Antialiasing, false);
        QPen pen(ToQColor(FPenColor));
        pen.setWidth(0);
        painter.setPen(pen);
        if (FBrushStyle == TBrushStyle::bsSolid)
            painter.setBrush(ToQColor(FBrushColor));
        else
            painter.setBrush(Qt::NoBrush);
        // An aliased outline covers one pixel beyond the rectangle it is given.
        painter.drawEllipse(QRect(0, 0, box.width() - 1, box.height() - 1));
    }
    QPainter painter(FImage);
    painter.drawImage(box.topLeft(), shape);
    Changed(box.intersected(FImage->rect()));
}

void TCanvas::MoveTo(int x, int y) {
    FPenPos = QPoint(x, y);
}

void TCanvas::LineTo(int x, int y) {
    const QPoint from = FPenPos;
    FPenPos = QPoint(x, y);
    if (!FImage) return;
    // Horizontal and vertical runs, the common case, are plain fills.
    if (from.y() == y) {
        if (from.x() < x)
            FillSpan(from.x(), y, x, y + 1, FPenPixel);
        else if (from.x() > x)
            FillSpan(x + 1, y, from.x() + 1, y + 1, FPenPixel);
        return;
    }
    if (from.x() == x) {
        if (from.y() < y)
            FillSpan(x, from.y(), x + 1, y, FPenPixel);
        else
            FillSpan(x, y + 1, x + 1, from.y() + 1, FPenPixel);
        return;
    }
    // Bresenham, stopping one step short of the end point.
    int x0 = from.x();
    int y0 = from.y();
    const int dx = std::abs(x - x0);
    const int dy = -std::abs(y - y0);
    const int sx = x0 < x ? 1 : -1;
    const int sy = y0 < y ? 1 : -1;
    int err = dx + dy;
    QRect touched;
    while (x0 != x || y0 != y) {
        PutPixel(x0, y0, FPenPixel);
        touched |= QRect(x0, y0, 1, 1);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
    Changed(touched.intersected(FImage->rect()));
}

TColor TCanvas::Pixel(int x, int y) const {
    if (!FImage || x < 0 || y < 0 || x >= FImage->width() || y >= FImage->height()) return clBlack;
    const uint32_t p = reinterpret_cast<const uint32_t*>(FImage->constScanLine(y))[x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

bool TCanvas::IsPainted(int x, int y) const {
    if (!FImage || x < 0 || y < 0 || x >= FImage->width() || y >= FImage->height()) return false;
    return (reinterpret_cast<const uint32_t*>(FImage->constScanLine(y))[x] >> 24) != 0;
}

void TCanvas::SetPixel(int x, int y, TColor color) {
    PutPixel(x, y, ColorToPixel(color));
    if (FImage && FImage->rect().contains(x, y)) Changed(QRect(x, y, 1, 1));
}

void TCanvas::StretchDraw(const TRect& rect, const QImage& picture) {
    if (!FImage || picture.isNull() || rect.Width() <= 0 || rect.Height() <= 0) return;
    QPainter painter(FImage);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(rect.ToQRect(), picture);
    Changed(rect.ToQRect().intersected(FImage->rect()));
}

void TCanvas::TextCentred(const TRect& rect, const QString& text) {
    if (!FImage) return;
    QPainter painter(FImage);
    painter.setFont(FFont);
    painter.setPen(ToQColor(FFontColor));
    painter.drawText(rect.ToQRect(), Qt::AlignCenter | Qt::TextSingleLine, text);
    Changed(rect.ToQRect().intersected(FImage->rect()));
}

void TCanvas::CopyRect(const TRect& dest, const TCanvas& source, const TRect& srcRect) {
    if (!FImage || !source.FImage) return;
    QPainter painter(FImage);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(dest.ToQRect(), *source.FImage, srcRect.ToQRect());
    Changed(dest.ToQRect().intersected(FImage->rect()));
}
