#include "app/MenuPictures.h"

QImage MenuPicture(TMenuPicture picture) {
    // Shares the stored bytes: no copy, no drawing.
    return QImage(kMenuPictureData[static_cast<int>(picture)], 72, 72, 72 * 3,
                  QImage::Format_RGB888);
}
