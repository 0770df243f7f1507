#include "tests/framework/shown_test_dialog.h"

#include <QFontInfo>

using namespace test_dialog;

namespace {

TEST(DialogUnits, TheHorizontalBaseIsTheAverageLetterWidthRoundedAndPositionAndSizeConvertEachOnItsOwn)
{
    EXPECT_EQ(BaseUnitsFromFont(369, 13), (DialogBaseUnits{7, 13}));  // 7.10
    EXPECT_EQ(BaseUnitsFromFont(363, 13), (DialogBaseUnits{7, 13}));  // 6.98
    EXPECT_EQ(BaseUnitsFromFont(337, 12), (DialogBaseUnits{6, 12}));  // 6.48
    // Converting the right edge instead of the width would give 27 - 14 = 13 pixels.
    EXPECT_EQ(DialogRectToPixels({9, 36, 9, 9}, {6, 12}), (CRect{14, 54, 28, 68}));
}

using DialogLayout = ShownTestDialog;

TEST_F(DialogLayout, TheFontFallsBackToTheMetricCompatibleGothicWhoseUnitsPlaceTheControls)
{
    QWidget& window = *dialog.GetSafeHwnd();
    EXPECT_EQ(QFontInfo(window.font()).family(), "IPAPGothic");
    EXPECT_EQ(QFontInfo(window.font()).pixelSize(), 12);  // 9 points at 96 dpi
    EXPECT_EQ(QFontInfo(dialog.GetDlgItem(IDC_BUTTON)->font()).family(), "IPAPGothic");
    // Its letters average 7 pixels across; its height is 13. Halves round up.
    EXPECT_EQ(dialog.GetDialogBaseUnits(), (DialogBaseUnits{7, 13}));
    EXPECT_EQ(dialog.GetDlgItem(IDC_NUMBER)->geometry(), QRect(11, 39, 35, 20));   // 6, 24, 20, 12
    EXPECT_EQ(dialog.GetDlgItem(IDC_RADIO0)->geometry(), QRect(16, 78, 16, 15));   // 9, 48, 9, 9
    EXPECT_EQ(dialog.GetDlgItem(IDC_OUTPUT)->geometry(), QRect(11, 98, 205, 49));  // 6, 60, 117, 30
    EXPECT_EQ(dialog.GetDlgItem(IDC_BUTTON)->geometry(), QRect(105, 59, 53, 23));  // 60, 36, 30, 14
    // The client area is exactly the template's 200 x 100 units.
    CRect client;
    dialog.GetClientRect(&client);
    EXPECT_EQ(client, (CRect{0, 0, 350, 163}));
    EXPECT_EQ(window.size(), QSize(350, 163));
}

}  // namespace
