#include "platform/ui/Fonts.h"

#include <QFontInfo>
#include <QStringList>

QFont DisplayFont(int pixelSize) {
    QFont font;
    font.setFamilies({QStringLiteral("Arial Black"), QStringLiteral("Arial"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"),
                      QStringLiteral("sans-serif")});
    font.setPixelSize(pixelSize);
    font.setWeight(QFont::Black);
    return font;
}

QFont WindowFont() {
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"),
                      QStringLiteral("sans-serif")});
    font.setPixelSize(11);
    if (!QFontInfo(font).family().contains(QStringLiteral("Sans Serif")))
        font.setStretch(QFont::SemiCondensed);
    return font;
}
