#include "platform/ui/Canvas.h"

#include <gtest/gtest.h>

namespace {

// Found by the Blocks soak: QPainter's aliased ellipse strays outside some boxes (by
// several pixels for flat ones, clip or not), so a round block drawn beside another
// ate into it, and a repaint in another order showed something else.
TEST(EllipseBounds, AnEllipseNeverPaintsOutsideItsBox) {
    for (int w = 1; w <= 40; ++w)
        for (int h = 1; h <= 12; ++h) {
            QImage image(50, 50, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            TCanvas canvas(&image);
            canvas.SetPenColor(clRed);
            canvas.SetBrushColor(clBlue);
            canvas.Ellipse(5, 5, 5 + w, 5 + h);
            int outside = 0;
            int inside = 0;
            for (int y = 0; y < 50; ++y)
                for (int x = 0; x < 50; ++x) {
                    const bool painted = canvas.IsPainted(x, y);
                    const bool inBox = x >= 5 && x < 5 + w && y >= 5 && y < 5 + h;
                    outside += painted && !inBox;
                    inside += painted && inBox;
                }
            ASSERT_EQ(outside, 0) << "box " << w << " x " << h;
            if (w >= 3 && h >= 3) {
                ASSERT_GT(inside, 0) << "box " << w << " x " << h;
            }
        }
}

} // namespace
