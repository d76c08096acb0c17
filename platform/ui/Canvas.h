#pragma once

#include "platform/ui/Color.h"

#include <QFont>
#include <QImage>
#include <QRect>
#include <functional>

// A rectangle as GDI gives it: Right and Bottom lie just outside.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    QRect ToQRect() const { return QRect(Left, Top, Right - Left, Bottom - Top); }
    bool operator==(const TRect&) const = default;
};

enum class TBrushStyle { bsSolid, bsClear };

// Drawing with the semantics of GDI on a QImage: fills and outlines leave out the
// right and bottom edges, lines leave out their end point, nothing is antialiased
// except text. Every operation writes into the image at once and reports the
// rectangle it touched, so a control can refresh just that part of the screen.
class TCanvas {
public:
    explicit TCanvas(QImage* image = nullptr) : FImage(image) {}

    void SetImage(QImage* image) { FImage = image; }
    QImage* Image() const { return FImage; }
    void SetOnChange(std::function<void(const QRect&)> onChange) {
        FOnChange = std::move(onChange);
    }

    TColor BrushColor() const { return FBrushColor; }
    void SetBrushColor(TColor color);
    TBrushStyle BrushStyle() const { return FBrushStyle; }
    void SetBrushStyle(TBrushStyle style) { FBrushStyle = style; }
    TColor PenColor() const { return FPenColor; }
    void SetPenColor(TColor color);
    QFont& Font() { return FFont; }
    TColor FontColor() const { return FFontColor; }
    void SetFontColor(TColor color) { FFontColor = color; }

    // Fills l <= x < r, t <= y < b with the brush, whatever the brush style.
    void FillRect(const TRect& rect);
    // Outline in the pen on the border pixels of l <= x < r, t <= y < b, interior
    // in the brush unless the brush is clear.
    void Rectangle(int left, int top, int right, int bottom);
    // The ellipse inscribed in the same box as Rectangle, outline in the pen.
    void Ellipse(int left, int top, int right, int bottom);
    void MoveTo(int x, int y);
    // A line from the current point up to, but not including, (x, y), which
    // becomes the current point.
    void LineTo(int x, int y);
    QPoint PenPos() const { return FPenPos; }

    // The pixel as 0x00BBGGRR; a pixel that nothing has painted reads as black.
    TColor Pixel(int x, int y) const;
    // Whether anything has painted the pixel (the backing image starts transparent).
    bool IsPainted(int x, int y) const;
    void SetPixel(int x, int y, TColor color);

    // The picture scaled into the rectangle, without smoothing.
    void StretchDraw(const TRect& rect, const QImage& picture);
    // One line of text in the font, centred both ways in the rectangle.
    void TextCentred(const TRect& rect, const QString& text);
    // Copies srcRect of another canvas to dest of this one, pixel for pixel.
    void CopyRect(const TRect& dest, const TCanvas& source, const TRect& srcRect);

    int Width() const { return FImage ? FImage->width() : 0; }
    int Height() const { return FImage ? FImage->height() : 0; }

private:
    void Changed(const QRect& rect);
    void FillSpan(int left, int top, int right, int bottom, uint32_t pixel);
    void PutPixel(int x, int y, uint32_t pixel);

    QImage* FImage = nullptr;
    std::function<void(const QRect&)> FOnChange;
    TColor FBrushColor = clWhite;
    uint32_t FBrushPixel = 0xFFFFFFFFu;
    TBrushStyle FBrushStyle = TBrushStyle::bsSolid;
    TColor FPenColor = clBlack;
    uint32_t FPenPixel = 0xFF000000u;
    QPoint FPenPos;
    QFont FFont;
    TColor FFontColor = clBlack;
};
