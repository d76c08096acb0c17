#include "app/MenuPictures.h"

// Both share the stored bytes: no copy, no drawing.

QImage MenuBackground() {
    return QImage(kMenuBackgroundData, 410, 280, 410 * 3, QImage::Format_RGB888);
}

QImage MenuPicture(TMenuPicture picture) {
    return QImage(kMenuPictureData[static_cast<int>(picture)], 72, 72, 72 * 3,
                  QImage::Format_RGB888);
}
