#include "app/Image.h"

#include "platform/ui/Application.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

TImage::TImage(QWidget* parent) : QWidget(parent) {}

QColor TImage::FocusMarkColor() {
    return QColor(255, 128, 0);
}

void TImage::SetBounds(int left, int top, int width, int height) {
    setGeometry(left, top, width, height);
}

void TImage::SetPicture(const QImage& picture) {
    FPicture = picture;
    update();
}

namespace {

// A ring of the given width along the inside of the rectangle.
void Ring(QPainter& painter, const QRect& box, int width, const QColor& color) {
    painter.fillRect(box.left(), box.top(), box.width(), width, color);
    painter.fillRect(box.left(), box.bottom() - width + 1, box.width(), width, color);
    painter.fillRect(box.left(), box.top(), width, box.height(), color);
    painter.fillRect(box.right() - width + 1, box.top(), width, box.height(), color);
}

} // namespace

void TImage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), FPicture);
    if (!hasFocus()) return;
    // Over the tile's bevel, where it hides nothing of the title or the illustration;
    // orange stands out from the blue gradient and from the light tiles alike.
    Ring(painter, rect(), 2, FocusMarkColor());
}

void TImage::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        event->accept();
        if (!event->isAutoRepeat() && FOnClick) Application::Guard(FOnClick);
        return;
    default:
        // Arrows, Escape and the rest are the window's.
        QWidget::keyPressEvent(event);
    }
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
