#include "game/TextPanel.h"

#include <QPainter>

QFont PanelFont() {
    QFont font;
    font.setFamilies({"Arial Black", "Arial", "Liberation Sans", "DejaVu Sans", "sans-serif"});
    font.setPixelSize(16);
    font.setWeight(QFont::Black);
    return font;
}

QFont WindowFont() {
    QFont font;
    font.setFamilies(
        {"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", "DejaVu Sans", "sans-serif"});
    font.setPixelSize(11);
    return font;
}

TTextPanel::TTextPanel(QWidget* parent, int left, int top, int width, int height,
                       const QString& text)
    : QWidget(parent), FCaption(text) {
    setGeometry(left, top, width, height);
    setFont(PanelFont());
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TTextPanel::SetCaption(const QString& text) {
    if (text == FCaption) return;
    FCaption = text;
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
    painter.drawText(rect().adjusted(4, 0, -4, 0), Qt::AlignLeft | Qt::AlignVCenter,
                     Lines().join(u'\n'));
}
