#include "tests/framework/test_dialog.h"
#include "tests/support/widget_driver.h"

#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

using namespace test_dialog;

namespace {

class DialogLayout : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(ShowActive(dialog)); }

    QRect Geometry(int id) const { return dialog.GetDlgItem(id)->geometry(); }

    TestDialog dialog;
};

TEST(DialogUnits, MulDivRoundsHalvesAwayFromZero)
{
    EXPECT_EQ(MulDiv(6, 7, 4), 11);    // 10.5
    EXPECT_EQ(MulDiv(-6, 7, 4), -11);  // -10.5
    EXPECT_EQ(MulDiv(9, 7, 4), 16);    // 15.75
    EXPECT_EQ(MulDiv(5, 7, 4), 9);     // 8.75
    EXPECT_EQ(MulDiv(13, 13, 8), 21);  // 21.125
    EXPECT_EQ(MulDiv(1, 1, 0), -1);
    EXPECT_EQ(MulDiv(2'000'000'000, 3, 4), 1'500'000'000);  // no overflow on the way
}

TEST(DialogUnits, HorizontalBaseIsTheRoundedAverageLetterWidth)
{
    EXPECT_EQ(BaseUnitsFromFont(369, 13), (DialogBaseUnits{7, 13}));  // 7.10
    EXPECT_EQ(BaseUnitsFromFont(363, 13), (DialogBaseUnits{7, 13}));  // 6.98
    EXPECT_EQ(BaseUnitsFromFont(337, 12), (DialogBaseUnits{6, 12}));  // 6.48
}

TEST(DialogUnits, EachOfPositionAndSizeIsConvertedOnItsOwn)
{
    // Converting the right edge instead of the width would give 27 - 14 = 13 pixels.
    EXPECT_EQ(DialogRectToPixels({9, 36, 9, 9}, {6, 12}), (CRect{14, 54, 28, 68}));
}

TEST_F(DialogLayout, TheFontFallsBackToTheMetricCompatibleGothic)
{
    EXPECT_EQ(QFontInfo(dialog.GetSafeHwnd()->font()).family(), "IPAPGothic");
    EXPECT_EQ(QFontInfo(dialog.GetSafeHwnd()->font()).pixelSize(), 12);  // 9 points at 96 dpi
    EXPECT_EQ(QFontInfo(dialog.GetDlgItem(IDC_BUTTON)->font()).family(), "IPAPGothic");
    // The fallback's letters average 7 pixels across; its height is 13.
    EXPECT_EQ(dialog.GetDialogBaseUnits(), (DialogBaseUnits{7, 13}));
}

TEST_F(DialogLayout, ControlsStandAtTheirTemplateRectanglesConvertedToPixels)
{
    EXPECT_EQ(Geometry(IDC_NUMBER), QRect(11, 39, 35, 20));      // 6, 24, 20, 12
    EXPECT_EQ(Geometry(IDC_RADIO0), QRect(16, 78, 16, 15));      // 9, 48, 9, 9
    EXPECT_EQ(Geometry(IDC_RADIO0 + 1), QRect(42, 78, 16, 15));  // 24, 48, 9, 9
    EXPECT_EQ(Geometry(IDC_OUTPUT), QRect(11, 98, 205, 49));     // 6, 60, 117, 30
    EXPECT_EQ(Geometry(IDC_BUTTON), QRect(105, 59, 53, 23));     // 60, 36, 30, 14
}

TEST_F(DialogLayout, AClosedComboBoxIsAsHighAsItsFontAndItsTemplateHeightHoldsTheList)
{
    auto* list = ControlWidget<QComboBox>(dialog, IDC_LIST);
    auto* typedList = ControlWidget<QComboBox>(dialog, IDC_TYPED_LIST);
    EXPECT_EQ(list->geometry().topLeft(), QPoint(11, 10));  // 6, 6
    EXPECT_EQ(list->width(), 140);                          // 80
    EXPECT_EQ(list->height(), list->sizeHint().height());
    EXPECT_LT(list->height(), 98);  // 60 units with the list dropped
    // 60 units leave room for fewer rows than 99 units.
    EXPECT_GE(list->maxVisibleItems(), 1);
    EXPECT_LT(list->maxVisibleItems(), typedList->maxVisibleItems());
}

TEST_F(DialogLayout, TheClientAreaIsExactlyTheTemplateSizeAndCannotBeResized)
{
    QWidget* window = dialog.GetSafeHwnd();
    EXPECT_EQ(window->size(), QSize(350, 163));  // 200 x 100 units
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    CRect client;
    dialog.GetClientRect(&client);
    EXPECT_EQ(client, (CRect{0, 0, 350, 163}));
}

TEST_F(DialogLayout, TheCaptionHasTheTitleAndTheCloseBoxOnly)
{
    const Qt::WindowFlags flags = dialog.GetSafeHwnd()->windowFlags();
    EXPECT_EQ(dialog.GetSafeHwnd()->windowTitle(), "テスト");
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowContextHelpButtonHint));
}

TEST_F(DialogLayout, ControlsAreCreatedInTemplateOrder)
{
    const int templateOrder[] = {IDC_LIST,   IDC_TYPED_LIST, IDC_NUMBER,     -1,         IDC_RADIO0,
                                 IDC_BOX0,   IDC_RADIO0 + 1, IDC_BOX1,       IDC_RADIO0 + 2, IDC_BUTTON,
                                 IDC_SILENT, IDC_OUTPUT,     IDC_OTHER0,     IDC_OTHER0 + 1};
    const QList<QWidget*> children = dialog.GetSafeHwnd()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    ASSERT_EQ(children.size(), std::ssize(templateOrder));
    for (qsizetype i = 0; i < children.size(); ++i) {
        const int id = templateOrder[i];
        if (id != -1) {
            EXPECT_EQ(children[i], dialog.GetDlgItem(id)) << "control " << i;
        }
    }
    EXPECT_EQ(qobject_cast<QLabel*>(children[3])->text(), "/");
}

TEST_F(DialogLayout, TabVisitsTheTabStopsInTemplateOrderFromTheFirstOne)
{
    EXPECT_TRUE(HasFocus(dialog, IDC_LIST));
    // Radio buttons and the static text are no tab stops.
    for (const int next : {IDC_TYPED_LIST, IDC_NUMBER, IDC_BOX0, IDC_BOX1, IDC_BUTTON, IDC_SILENT, IDC_OUTPUT, IDC_LIST}) {
        PressKey(Qt::Key_Tab);
        EXPECT_TRUE(HasFocus(dialog, next)) << "expected " << next;
    }
}

TEST_F(DialogLayout, NumberBoxesAreReadOnlyAndRightAligned)
{
    auto* box = ControlWidget<QLineEdit>(dialog, IDC_NUMBER);
    dialog.UpdateData(FALSE);
    FocusControl(dialog, IDC_NUMBER);
    QTest::keyClicks(box, "57");
    PressKey(Qt::Key_Backspace);
    EXPECT_EQ(box->text(), "0");
    EXPECT_TRUE(box->alignment().testFlag(Qt::AlignRight));
}

}  // namespace
