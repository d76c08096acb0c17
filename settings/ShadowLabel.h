#pragma once

#include "platform/ui/Color.h"

#include <QString>
#include <QWidget>

// A transparent label whose text casts a shadow: the text is drawn first in the
// shadow colour, moved right and down, then in its own colour at its place. Text is
// shown as given: "&" marks no mnemonic. A screen reader reads it as a text.
class TShadowLabel : public QWidget {
public:
    explicit TShadowLabel(QWidget* parent = nullptr);

    void SetBounds(int left, int top, int width, int height);
    QString Caption() const { return FCaption; }
    void SetCaption(const QString& caption);
    Qt::Alignment Alignment() const { return FAlignment; }
    void SetAlignment(Qt::Alignment alignment);
    void SetColors(TColor text, TColor shadow, int shadowSize);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString FCaption;
    Qt::Alignment FAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    TColor FTextColor = clLime;
    TColor FShadowColor = clGreen;
    int FShadowSize = 2;
};
