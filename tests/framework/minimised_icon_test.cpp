#include "framework/framework.h"
#include "shell/minimised_icon.h"

#include <gtest/gtest.h>

namespace {

constexpr CSize kIconSize{32, 32};
constexpr COLORREF kBackground = RGB(255, 255, 255);
constexpr COLORREF kLeftHalf = RGB(255, 0, 0);  // the test icon's columns 0..15
constexpr COLORREF kRightHalf = RGB(0, 0, 255);  // and 16..31

TEST(MinimisedIcon, TheIconIsCentredWithTheOddPixelDroppedTowardZero)
{
    EXPECT_EQ(MinimisedIconOrigin({0, 0, 100, 100}, kIconSize), CPoint(34, 34));  // 69 / 2
    EXPECT_EQ(MinimisedIconOrigin({0, 0, 101, 40}, kIconSize), CPoint(35, 4));
    EXPECT_EQ(MinimisedIconOrigin({0, 0, 0, 0}, kIconSize), CPoint(-15, -15));  // -31 / 2
    EXPECT_EQ(MinimisedIconOrigin({0, 0, 1, 2}, kIconSize), CPoint(-15, -14));
}

TEST(MinimisedIcon, PaintingDrawsTheIconAtThatPlace)
{
    CWinApp app;
    const HICON icon = app.LoadIcon(128);
    ASSERT_NE(icon, nullptr);

    CMemoryDC wide(120, 50, kBackground);
    PaintMinimisedIcon(wide, {0, 0, 100, 40}, kIconSize, icon);  // x 34, y 4
    EXPECT_EQ(wide.GetPixel(33, 10), kBackground);
    EXPECT_EQ(wide.GetPixel(34, 10), kLeftHalf);
    EXPECT_EQ(wide.GetPixel(49, 10), kLeftHalf);
    EXPECT_EQ(wide.GetPixel(50, 10), kRightHalf);
    EXPECT_EQ(wide.GetPixel(65, 10), kRightHalf);
    EXPECT_EQ(wide.GetPixel(66, 10), kBackground);
    EXPECT_EQ(wide.GetPixel(40, 3), kBackground);
    EXPECT_EQ(wide.GetPixel(40, 4), kLeftHalf);

    CMemoryDC empty(40, 40, kBackground);
    PaintMinimisedIcon(empty, {0, 0, 0, 0}, kIconSize, icon);  // x -15: column 15 lands on 0
    EXPECT_EQ(empty.GetPixel(0, 0), kLeftHalf);
    EXPECT_EQ(empty.GetPixel(1, 0), kRightHalf);
    EXPECT_EQ(empty.GetPixel(16, 0), kRightHalf);
    EXPECT_EQ(empty.GetPixel(17, 0), kBackground);
}

}  // namespace
