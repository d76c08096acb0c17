#pragma once

#include "platform/ui/Canvas.h"

#include <QImage>
#include <QWidget>

// A control that draws at once into its own backing image (its canvas) and only
// copies that image to the screen when Qt asks. The image starts transparent, so
// whatever lies beneath shows where the control paints nothing.
class TGraphicControl : public QWidget {
public:
    explicit TGraphicControl(QWidget* parent = nullptr);

    TCanvas& Canvas() { return FCanvas; }
    const TCanvas& Canvas() const { return FCanvas; }
    const QImage& Image() const { return FImage; }

    int Width() const { return FImage.width(); }
    int Height() const { return FImage.height(); }
    int Left() const { return x(); }
    int Top() const { return y(); }
    void SetBounds(int left, int top, int width, int height);
    void SetWidth(int width) { SetSize(width, Height()); }
    void SetHeight(int height) { SetSize(Width(), height); }
    // A new size gets a fresh backing image and a full Paint, as a window system
    // repaints a control whose size changed.
    void SetSize(int width, int height);

    // Draws the whole control into its canvas.
    virtual void Paint() {}

    // Between BeginBatch and EndBatch the screen refresh of every drawing operation
    // is gathered into one, so a full repaint asks Qt for one update, not hundreds.
    void BeginBatch() { ++FBatchDepth; }
    void EndBatch();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Reallocate(int width, int height);

    QImage FImage;
    TCanvas FCanvas;
    int FBatchDepth = 0;
    QRect FBatchRect;
};
