#include "app/MenuPictures.h"

// Both share the stored bytes: no copy, no drawing.

QImage MenuBackground() {
    return QImage(kMenuBackgroundData, 410, 280, 410 * 3, QImage::Format_RGB888);
}

QImage MenuPicture(TMenuPicture picture, const QString& language) {
    int set = 0;
    for (int i = 0; !language.isEmpty() && kMenuLanguages[i]; ++i)
        if (language == QLatin1String(kMenuLanguages[i])) set = i + 1;
    return QImage(kMenuPictureData[set][static_cast<int>(picture)], 72, 72, 72 * 3,
                  QImage::Format_RGB888);
}
