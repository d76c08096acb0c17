#include "platform/ui/GraphicControl.h"

#include "platform/ui/Application.h"

#include <QPaintEvent>
#include <QPainter>

TGraphicControl::TGraphicControl(QWidget* parent) : QWidget(parent), FCanvas(&FImage) {
    FCanvas.SetOnChange([this](const QRect& rect) {
        if (FBatchDepth > 0)
            FBatchRect |= rect;
        else
            update(rect);
    });
}

void TGraphicControl::EndBatch() {
    if (--FBatchDepth == 0 && !FBatchRect.isEmpty()) {
        update(FBatchRect);
        FBatchRect = QRect();
    }
}

void TGraphicControl::SetBounds(int left, int top, int width, int height) {
    move(left, top);
    SetSize(width, height);
}

void TGraphicControl::SetSize(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == FImage.width() && height == FImage.height() && !FImage.isNull()) return;
    resize(width, height);
    Reallocate(width, height);
}

void TGraphicControl::Reallocate(int width, int height) {
    FImage = QImage(std::max(width, 0), std::max(height, 0), QImage::Format_ARGB32_Premultiplied);
    FImage.fill(Qt::transparent);
    FCanvas.SetImage(&FImage);
    BeginBatch();
    Application::Guard([this] { Paint(); });
    EndBatch();
    update();
}

void TGraphicControl::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawImage(event->rect(), FImage, event->rect());
}

void TGraphicControl::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (width() != FImage.width() || height() != FImage.height()) Reallocate(width(), height());
}
