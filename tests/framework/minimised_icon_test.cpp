#include "framework/cwinapp.h"
#include "shell/minimised_icon.h"
#include "tests/framework/image_dc.h"

#include <gtest/gtest.h>

namespace {

constexpr CSize kIconSize{32, 32};

TEST(MinimisedIcon, TheIconIsCentredWithTheOddPixelDroppedTowardZero)
{
    EXPECT_EQ(MinimisedIconOrigin({0, 0, 100, 100}, kIconSize), CPoint(34, 34));  // 69 / 2
    EXPECT_EQ(MinimisedIconOrigin({0, 0, 101, 40}, kIconSize), CPoint(35, 4));
    EXPECT_EQ(MinimisedIconOrigin({0, 0, 0, 0}, kIconSize), CPoint(-15, -15));  // -31 / 2
    EXPECT_EQ(MinimisedIconOrigin({0, 0, 1, 2}, kIconSize), CPoint(-15, -14));
}

TEST(MinimisedIcon, PaintingDrawsTheIconAtItsStandardSizeAtThatPlace)
{
    const HICON icon = CWinApp().LoadIcon(128);  // left half red, right half blue
    ImageDC wide(120, 50);
    PaintMinimisedIcon(wide, {0, 0, 100, 40}, kIconSize, icon);  // x 34, y 4
    EXPECT_EQ(wide.Row(10, 33, 67), "wrrrrrrrrrrrrrrrrbbbbbbbbbbbbbbbbw");
    EXPECT_EQ(wide.Row(3, 34, 35) + wide.Row(4, 34, 35) + wide.Row(35, 34, 35) + wide.Row(36, 34, 35), "wrrw");

    ImageDC empty(40, 40);
    PaintMinimisedIcon(empty, {0, 0, 0, 0}, kIconSize, icon);  // x -15: column 15 lands on 0
    EXPECT_EQ(empty.Row(0, 0, 18), "rbbbbbbbbbbbbbbbbw");
}

}  // namespace
