#include "app/MenuPictures.h"
#include "tests/common/QtPrinters.h"

#include <QColor>
#include <functional>
#include <gtest/gtest.h>

namespace {

const std::vector<TMenuPicture> kAll{TMenuPicture::Shapes,       TMenuPicture::Blocks,
                                     TMenuPicture::HighScore,    TMenuPicture::Options,
                                     TMenuPicture::Instructions, TMenuPicture::Exit};

int Count(const QImage& image, const QRect& area, const std::function<bool(QColor)>& test) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += test(image.pixelColor(x, y)) ? 1 : 0;
    return count;
}

bool Blue(QColor c) {
    return c.blue() >= 200 && c.red() <= 90 && c.green() <= 90;
}
bool Black(QColor c) {
    return c.red() <= 40 && c.green() <= 40 && c.blue() <= 40;
}

} // namespace

TEST(MenuPictures, TheBackgroundIsAVerticalGradientRoundedPerRow) {
    const QImage image = MenuBackground();
    EXPECT_EQ(image.size(), QSize(410, 280));
    EXPECT_EQ(image.format(), QImage::Format_RGB888);
    EXPECT_EQ(image.pixelColor(0, 0), QColor(48, 223, 255));
    EXPECT_EQ(image.pixelColor(409, 0), QColor(48, 223, 255));
    EXPECT_EQ(image.pixelColor(200, 279), QColor(47, 175, 255));
    // The bottom row that the menu shows.
    EXPECT_EQ(image.pixelColor(283, 180), QColor(47, 192, 255));
    for (int y = 1; y < 280; ++y) {
        EXPECT_LE(image.pixelColor(0, y).green(), image.pixelColor(0, y - 1).green()) << y;
        EXPECT_EQ(image.pixelColor(0, y), image.pixelColor(409, y)) << y;
    }
}

TEST(MenuPictures, TheStoredPicturesAreTheDrawnOnes) {
    EXPECT_EQ(MenuBackground(), DrawMenuBackground());
    for (const TMenuPicture kind : kAll) {
        const QImage stored = MenuPicture(kind);
        EXPECT_EQ(stored.format(), QImage::Format_RGB888);
        EXPECT_EQ(stored, DrawMenuPicture(kind)) << MenuPictureTitle(kind).toStdString();
    }
}

TEST(MenuPictures, EachButtonHasABlueTitleOverAMostlyBlackIllustration) {
    std::vector<QImage> pictures;
    for (const TMenuPicture kind : kAll) {
        const QImage image = MenuPicture(kind);
        const std::string title = MenuPictureTitle(kind).toStdString();
        EXPECT_EQ(image.size(), QSize(72, 72)) << title;
        EXPECT_EQ(image.format(), QImage::Format_RGB888) << title;
        EXPECT_GE(Count(image, QRect(2, 2, 68, 14), Blue), 20) << title;
        EXPECT_EQ(Count(image, QRect(2, 2, 68, 14), Black), 0) << title;
        EXPECT_GE(Count(image, QRect(4, 17, 64, 52), Black), 150) << title;
        for (const QImage& other : pictures)
            EXPECT_NE(image, other) << title;
        pictures.push_back(image);
    }
    EXPECT_EQ(MenuPictureTitle(TMenuPicture::Shapes), "QuorvelShapes");
    EXPECT_EQ(MenuPictureTitle(TMenuPicture::Blocks), "QuorvelBlocks");
    EXPECT_EQ(MenuPictureTitle(TMenuPicture::HighScore), "High Score");
    EXPECT_EQ(MenuPictureTitle(TMenuPicture::Exit), "Exit");
    // The exit is a red door.
    const int red = Count(MenuPicture(TMenuPicture::Exit), QRect(4, 17, 64, 52), [](QColor c) {
        return c.red() >= 180 && c.green() <= 40 && c.blue() <= 40;
    });
    EXPECT_GE(red, 500);
}
