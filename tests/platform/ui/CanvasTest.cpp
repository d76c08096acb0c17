#include "platform/ui/Canvas.h"
#include "platform/ui/GraphicControl.h"
#include "platform/ui/Timer.h"
#include "tests/common/QtPrinters.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <gtest/gtest.h>

namespace {

// A canvas over a fresh transparent image, with a text picture of what is painted.
struct Surface {
    QImage image{8, 6, QImage::Format_ARGB32_Premultiplied};
    TCanvas canvas{&image};
    Surface() { image.fill(Qt::transparent); }
    QStringList Picture(TColor ink) const {
        QStringList rows;
        for (int y = 0; y < image.height(); ++y) {
            QString row;
            for (int x = 0; x < image.width(); ++x)
                row += !canvas.IsPainted(x, y) ? '.' : canvas.Pixel(x, y) == ink ? '#' : 'o';
            rows << row;
        }
        return rows;
    }
};

} // namespace

TEST(Canvas, FillRectAndRectangleLeaveOutTheRightAndBottomEdges) {
    Surface s;
    s.canvas.SetBrushColor(clRed);
    s.canvas.FillRect({1, 1, 4, 3});
    EXPECT_EQ(s.Picture(clRed), QStringList({"........", ".###....", ".###....", "........",
                                             "........", "........"}));
    Surface r;
    r.canvas.SetPenColor(clRed);
    r.canvas.SetBrushColor(clBlue);
    r.canvas.Rectangle(2, 1, 7, 5);
    EXPECT_EQ(r.Picture(clRed), QStringList({"........", "..#####.", "..#ooo#.", "..#ooo#.",
                                             "..#####.", "........"}));
    EXPECT_EQ(r.canvas.Pixel(3, 2), clBlue);
}

TEST(Canvas, LinesLeaveOutTheirEndPointInEveryDirection) {
    Surface s;
    s.canvas.SetPenColor(clLime);
    s.canvas.MoveTo(1, 0);
    s.canvas.LineTo(5, 0); // right
    s.canvas.LineTo(5, 4); // down
    s.canvas.LineTo(1, 4); // left
    s.canvas.LineTo(1, 0); // up
    s.canvas.MoveTo(7, 5);
    s.canvas.LineTo(5, 3); // diagonal, up-left
    EXPECT_EQ(s.Picture(clLime), QStringList({".#####..", ".#...#..", ".#...#..", ".#...#..",
                                              ".######.", ".......#"}));
    EXPECT_EQ(s.canvas.PenPos(), QPoint(5, 3));
}

TEST(Canvas, DrawingOutsideTheImageIsClipped) {
    Surface s;
    s.canvas.SetBrushColor(clRed);
    s.canvas.FillRect({-5, -5, 2, 1});
    s.canvas.SetPenColor(clRed);
    s.canvas.MoveTo(-3, 5);
    s.canvas.LineTo(20, 5);
    s.canvas.SetPixel(100, 100, clRed);
    EXPECT_EQ(s.Picture(clRed), QStringList({"##......", "........", "........", "........",
                                             "........", "########"}));
}

TEST(GraphicControl, ResizingGivesAFreshTransparentImageAndRepaints) {
    struct Probe : TGraphicControl {
        int paints = 0;
        void Paint() override {
            ++paints;
            Canvas().SetPixel(0, 0, clRed);
        }
    } probe;
    probe.SetSize(10, 4);
    EXPECT_EQ(probe.paints, 1);
    EXPECT_EQ(probe.Width(), 10);
    EXPECT_EQ(probe.Height(), 4);
    EXPECT_EQ(probe.Canvas().Pixel(0, 0), clRed);
    EXPECT_FALSE(probe.Canvas().IsPainted(1, 0));
    probe.SetSize(10, 4);
    EXPECT_EQ(probe.paints, 1);
}

TEST(Timer, ZeroIntervalStopsTicksAndSameValueKeepsTheCountdown) {
    TTimer timer;
    int ticks = 0;
    timer.SetOnTimer([&] { ++ticks; });
    EXPECT_TRUE(timer.Ticking());
    timer.SetInterval(0);
    EXPECT_FALSE(timer.Ticking());
    timer.SetInterval(5);
    EXPECT_TRUE(timer.Ticking());
    timer.SetEnabled(false);
    EXPECT_FALSE(timer.Ticking());
    timer.SetEnabled(true);
    QElapsedTimer clock;
    clock.start();
    while (ticks < 2 && clock.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_GE(ticks, 2);
}
