#include "platform/ui/Application.h"

#include <QPushButton>
#include <gtest/gtest.h>
#include <malloc.h>

namespace {

size_t BytesInUse() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// A button drawn at every width from 80 to 679 pixels, as the boxes and windows of a
// long afternoon draw their buttons: each size is another picture in the style's cache.
void DrawButtonsOfEverySize(QPushButton& button) {
    for (int width = 80; width < 680; ++width) {
        button.resize(width, 24 + width % 7);
        (void)button.grab();
    }
}

} // namespace

TEST(PixmapCache, PicturesOfManyButtonSizesHoldNoMoreMemoryThanTheLimit) {
    Application::LimitPixmapCache();
    QPushButton button(QStringLiteral("OK"));
    button.resize(80, 24);
    (void)button.grab(); // the style's and the painter's first use
    const size_t before = BytesInUse();
    DrawButtonsOfEverySize(button);
    // About 40 KB a picture, 24 MB in all: Qt's default would keep 10 MB of them.
    const size_t grown = BytesInUse() > before ? BytesInUse() - before : 0;
    EXPECT_LT(grown, size_t{Application::kPixmapCacheKB + 1024} * 1024) << grown << " bytes";
}
