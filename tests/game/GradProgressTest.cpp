#include "game/GradProgress.h"

#include "tests/common/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

TColor At(const TGradProgress& bar, int x, int y) {
    return bar.Canvas().Pixel(x, y);
}

// The Shapes window's bar: 101 x 19, aqua to blue, lowered bevel of 1, no text.
struct WindowBar : TGradProgress {
    WindowBar() {
        SetSize(101, 19);
        SetStartColor(clAqua);
        SetEndColor(clBlue);
        SetBackColor(clSilver);
        SetShowPercent(false);
    }
};

} // namespace

TEST(GradProgress, ANewBarIsBlueToRedAtZeroWithItsBevelAndBackground) {
    TGradProgress bar;
    EXPECT_EQ(bar.Width(), 150);
    EXPECT_EQ(bar.Height(), 16);
    EXPECT_EQ(bar.MaxValue(), 100);
    EXPECT_EQ(bar.Position(), 0);
    EXPECT_EQ(bar.StartColor(), clBlue);
    EXPECT_EQ(bar.EndColor(), clRed);
    EXPECT_TRUE(bar.ShowPercent());
    EXPECT_EQ(bar.PercentText(), "0%");
    // Lowered: grey on the two outer lines of the top and left, white on the
    // bottom and right (their outermost lines fall outside the control).
    EXPECT_EQ(At(bar, 0, 0), clGray);
    EXPECT_EQ(At(bar, 1, 1), clGray);
    EXPECT_EQ(At(bar, 0, 15), clGray);
    EXPECT_EQ(At(bar, 149, 0), clGray);
    EXPECT_EQ(At(bar, 149, 15), clWhite);
    EXPECT_EQ(At(bar, 149, 1), clWhite);
    EXPECT_EQ(At(bar, 1, 15), clWhite);
    bar.SetShowPercent(false);
    for (int x = 2; x <= 148; ++x)
        for (int y = 2; y <= 14; ++y)
            ASSERT_EQ(At(bar, x, y), ColorToRGB(clBtnFace)) << x << "," << y;
    for (int x = 0; x < 150; ++x)
        for (int y = 0; y < 16; ++y)
            ASSERT_TRUE(bar.Canvas().IsPainted(x, y));
}

TEST(GradProgress, FillAndPercentRoundHalvesAwayFromZero) {
    TGradProgress bar;
    bar.SetPosition(33);
    EXPECT_EQ(bar.FillWidth(), 50);
    EXPECT_EQ(bar.PercentText(), "33%");
    WindowBar shapes;
    shapes.SetMaxValue(28);
    shapes.SetPosition(14);
    EXPECT_EQ(shapes.FillWidth(), 51);
}

TEST(GradProgress, TheGradientRunsToTheFillAndTheBackColourFollows) {
    WindowBar bar;
    bar.SetMaxValue(28);
    bar.SetPosition(14);
    // t = 256 x / 51 and green falls by t from 255; the last column is clamped at 0.
    EXPECT_EQ(At(bar, 2, 2), RGB(0, 245, 255));
    EXPECT_EQ(At(bar, 25, 10), RGB(0, 255 - 125, 255));
    EXPECT_EQ(At(bar, 50, 17), RGB(0, 4, 255));
    EXPECT_EQ(At(bar, 51, 2), RGB(0, 0, 255));
    EXPECT_EQ(At(bar, 52, 2), clSilver);
    EXPECT_EQ(At(bar, 99, 17), clSilver);
    EXPECT_EQ(At(bar, 100, 18), clWhite);
    // At the maximum the fill is 101 wide: its clamped end lies under the bevel.
    bar.SetPosition(28);
    EXPECT_EQ(At(bar, 99, 10), RGB(0, 4, 255));
}

TEST(GradProgress, TheLastColumnNeverWrapsPastTheEndColour) {
    WindowBar bar;
    bar.SetStartColor(clWhite);
    bar.SetEndColor(clBlack);
    bar.SetPosition(50);
    // Fill 51: t = 256 at its last column would take 255 - 256 below zero.
    ASSERT_EQ(bar.FillWidth(), 51);
    EXPECT_EQ(At(bar, 50, 5), RGB(4, 4, 4));
    EXPECT_EQ(At(bar, 51, 5), clBlack);
}

TEST(GradProgress, PositionOutsideTheRangeIsIgnoredAndMaxValuePullsItDown) {
    TGradProgress bar;
    bar.SetPosition(40);
    bar.SetPosition(101);
    EXPECT_EQ(bar.Position(), 40);
    bar.SetPosition(-1);
    EXPECT_EQ(bar.Position(), 40);
    bar.SetMaxValue(30);
    EXPECT_EQ(bar.Position(), 30);
    bar.Stepit();
    EXPECT_EQ(bar.Position(), 30);
    bar.SetPosition(10);
    bar.SetStep(5);
    bar.Stepit();
    EXPECT_EQ(bar.Position(), 15);
    bar.SetStep(-20);
    bar.Stepit();
    EXPECT_EQ(bar.Position(), 15);
}

TEST(GradProgress, BevelWidthMustFitTheWidth) {
    TGradProgress narrow;
    narrow.SetSize(19, 16);
    narrow.SetBevelWidth(10); // 20 > 15
    EXPECT_EQ(narrow.BevelWidth(), 1);
    narrow.SetBevelWidth(7); // 14 <= 15
    EXPECT_EQ(narrow.BevelWidth(), 7);
    WindowBar bar;
    for (int w = 1; w <= 10; ++w) {
        bar.SetBevelWidth(w);
        EXPECT_EQ(bar.BevelWidth(), w);
    }
    bar.SetBevelWidth(3);
    EXPECT_EQ(At(bar, 3, 3), clGray);
    EXPECT_EQ(At(bar, 4, 4), clSilver);
    EXPECT_EQ(At(bar, 98, 16), clWhite);
    EXPECT_EQ(At(bar, 97, 15), clSilver);
}

TEST(GradProgress, ARaisedBevelSwapsTheColoursAndZeroMaximumShowsNoFill) {
    WindowBar bar;
    bar.SetBevelStyle(TBevelStyle::bsRaised);
    EXPECT_EQ(At(bar, 0, 0), clWhite);
    EXPECT_EQ(At(bar, 100, 18), clGray);
    bar.SetPosition(20);
    bar.SetMaxValue(0);
    EXPECT_EQ(bar.Position(), 0);
    EXPECT_EQ(bar.FillWidth(), -1);
    EXPECT_EQ(bar.PercentText(), "0%");
    EXPECT_EQ(At(bar, 2, 2), clSilver);
    bar.SetMaxValue(-5);
    EXPECT_EQ(bar.PercentText(), "0%");
    EXPECT_EQ(At(bar, 2, 2), clSilver);
}
