#pragma once

#include "platform/ui/Color.h"

#include <QFont>
#include <QWidget>

// A fixed-size panel of text: black background, lime text. The text is kept
// exactly as set; each line feed + carriage return pair in it ("\n\r") shows as one
// line break; a line too long for the panel wraps at a blank. A screen reader reads
// it as a text, its lines one after the other.
class TTextPanel : public QWidget {
public:
    TTextPanel(QWidget* parent, int left, int top, int width, int height, const QString& text);

    QString Caption() const { return FCaption; }
    void SetCaption(const QString& text);
    // The lines as shown.
    QStringList Lines() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString FCaption;
};
