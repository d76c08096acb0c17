#include "platform/ui/Color.h"

#include <gtest/gtest.h>

TEST(Colors, NamesIgnoreCaseAndInterfaceColoursCarryTheirIndex) {
    EXPECT_EQ(IdentToColor("CLRED"), clRed);
    EXPECT_EQ(IdentToColor("clred"), RGB(255, 0, 0));
    EXPECT_EQ(IdentToColor("clInfoBk"), 0x80000018u);
    EXPECT_EQ(IdentToColor("clScrollBar"), 0x80000000u);
    EXPECT_EQ(IdentToColor("clNone"), 0x1FFFFFFFu);
    EXPECT_FALSE(IdentToColor("nonsense").has_value());
    EXPECT_EQ(ColorToRGB(0x000080FF), RGB(255, 128, 0));
    EXPECT_EQ(ColorToRGB(clNone), clWhite);
    EXPECT_EQ(ColorToRGB(clBtnFace) & 0xFF000000u, 0u);
}
