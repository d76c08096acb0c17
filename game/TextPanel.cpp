#include "game/TextPanel.h"

#include "platform/ui/Accessible.h"
#include "platform/ui/Fonts.h"

#include <QPainter>

TTextPanel::TTextPanel(QWidget* parent, int left, int top, int width, int height,
                       const QString& text)
    : QWidget(parent), FCaption(text) {
    setGeometry(left, top, width, height);
    setFont(DisplayFont(16));
    setAttribute(Qt::WA_OpaquePaintEvent);
    SetAccessibleRole(*this, QAccessible::StaticText);
    setAccessibleName(Lines().join(u' '));
}

void TTextPanel::SetCaption(const QString& text) {
    if (text == FCaption) return;
    FCaption = text;
    // Read as it is shown: "Score 120", each line after the other.
    setAccessibleName(Lines().join(u' '));
    update();
}

QStringList TTextPanel::Lines() const {
    return FCaption.split(QStringLiteral("\n\r"));
}

void TTextPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.setPen(ToQColor(clLime));
    painter.setFont(font());
    painter.drawText(rect().adjusted(4, 0, -4, 0),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, Lines().join(u'\n'));
}
