#include "platform/ui/Form.h"

#include <gtest/gtest.h>

// A second screen to the right of the first, with a panel 24 px high along its top.
TEST(FitOnArea, KeepsAFittingPlaceAndOtherwiseMovesTheLeastOrToTheAreasStart) {
    const QRect area(1280, 24, 800, 576);
    EXPECT_EQ(FitOnArea(QRect(1300, 30, 251, 201), area), QPoint(1300, 30));
    EXPECT_EQ(FitOnArea(QRect(1280, 24, 800, 576), area), QPoint(1280, 24));
    // Off one side or another: moved onto the area only as far as needed.
    EXPECT_EQ(FitOnArea(QRect(1850, 437, 251, 201), area), QPoint(1829, 399));
    EXPECT_EQ(FitOnArea(QRect(1000, 0, 251, 201), area), QPoint(1280, 24));
    // Larger than the area: the top-left corner at its start, whichever side was off.
    EXPECT_EQ(FitOnArea(QRect(1283, -41, 590, 600), area), QPoint(1283, 24));
    EXPECT_EQ(FitOnArea(QRect(1300, 100, 590, 600), area), QPoint(1300, 24));
    EXPECT_EQ(FitOnArea(QRect(1202, 70, 900, 459), area), QPoint(1280, 70));
}
