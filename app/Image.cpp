#include "app/Image.h"

#include "platform/Application.h"

#include <QMouseEvent>
#include <QPainter>

TImage::TImage(QWidget* parent) : QWidget(parent) {}

void TImage::SetBounds(int left, int top, int width, int height) {
    setGeometry(left, top, width, height);
}

void TImage::SetPicture(const QImage& picture) {
    FPicture = picture;
    update();
}

void TImage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), FPicture);
}

void TImage::mousePressEvent(QMouseEvent* event) {
    FPressed = event->button() == Qt::LeftButton;
    event->accept();
}

void TImage::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = FPressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    FPressed = false;
    event->accept();
    if (click && FOnClick) Application::Guard(FOnClick);
}
