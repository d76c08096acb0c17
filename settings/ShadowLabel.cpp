#include "settings/ShadowLabel.h"

#include "platform/ui/Accessible.h"

#include <QPainter>

TShadowLabel::TShadowLabel(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    SetAccessibleRole(*this, QAccessible::StaticText);
}

void TShadowLabel::SetBounds(int left, int top, int width, int height) {
    setGeometry(left, top, width, height);
}

void TShadowLabel::SetCaption(const QString& caption) {
    if (caption == FCaption) return;
    FCaption = caption;
    setAccessibleName(caption);
    update();
}

void TShadowLabel::SetAlignment(Qt::Alignment alignment) {
    FAlignment = alignment;
    update();
}

void TShadowLabel::SetColors(TColor text, TColor shadow, int shadowSize) {
    FTextColor = text;
    FShadowColor = shadow;
    FShadowSize = shadowSize;
    update();
}

void TShadowLabel::paintEvent(QPaintEvent*) {
    if (FCaption.isEmpty()) return;
    QPainter painter(this);
    painter.setFont(font());
    const int flags = static_cast<int>(FAlignment) | Qt::TextSingleLine;
    // The text keeps clear of the right and bottom edges by the shadow's offset, so a
    // right-aligned score still shows its whole shadow.
    const QRect text = rect().adjusted(0, 0, -FShadowSize, -FShadowSize);
    painter.setPen(ToQColor(FShadowColor));
    painter.drawText(text.translated(FShadowSize, FShadowSize), flags, FCaption);
    painter.setPen(ToQColor(FTextColor));
    painter.drawText(text, flags, FCaption);
}
