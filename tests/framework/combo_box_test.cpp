#include "tests/framework/shown_test_dialog.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <string>
#include <vector>

using namespace test_dialog;

namespace {

class ComboBoxes : public ShownTestDialog {
protected:
    std::vector<std::string> Items(const CComboBox& combo) const
    {
        std::vector<std::string> items;
        for (int i = 0; i < combo.GetCount(); ++i) {
            CString text;
            combo.GetLBText(i, text);
            items.push_back(text.Str());
        }
        return items;
    }

    QComboBox* List() const { return ControlWidget<QComboBox>(dialog, IDC_LIST); }

    // Opens the drop-down part of the focused list from the keyboard.
    void OpenPopup()
    {
        PressKey(Qt::Key_F4);
        ASSERT_NE(QApplication::activePopupWidget(), nullptr);
    }
};

TEST_F(ComboBoxes, TheInitialisationDataFillsSortedListsInSortedOrderAndOthersInTheirs)
{
    EXPECT_EQ(Items(dialog.list), (std::vector<std::string>{"7A08-7A10：スター・雲", "7AC9-7AD1：地上a-b3",
                                                             "7DCA-7DD1：海", "B000-B001：城"}));
    EXPECT_EQ(Items(dialog.typedList), (std::vector<std::string>{"zeta", "alpha", "mu"}));
    EXPECT_EQ(dialog.list.GetCurSel(), -1);
}

TEST_F(ComboBoxes, AddingToASortedListInsertsAtTheSortedPlaceComparingBytes)
{
    EXPECT_EQ(dialog.list.AddString("7B2A-7B34：地上c1"), 2);
    EXPECT_EQ(dialog.list.AddString("7A08-7A10：スター・雲"), 1);  // after its equal
    EXPECT_EQ(dialog.list.AddString("7a00"), 5);  // 'a' after 'D' by bytes, though not by letters
    EXPECT_EQ(dialog.list.AddString("0000"), 0);
    EXPECT_EQ(dialog.typedList.AddString("beta"), 3);  // unsorted: at the end
}

TEST_F(ComboBoxes, SetCurSelSelectsWithoutNotifying)
{
    EXPECT_EQ(dialog.list.SetCurSel(2), 2);
    EXPECT_EQ(dialog.list.GetCurSel(), 2);
    EXPECT_EQ(List()->currentText(), "7DCA-7DD1：海");
    EXPECT_EQ(dialog.list.SetCurSel(9), CB_ERR);
    EXPECT_EQ(dialog.list.GetCurSel(), -1);
    EXPECT_TRUE(dialog.notifications.empty());
}

TEST_F(ComboBoxes, ArrowKeysAndATypedFirstLetterOnAClosedListNotify)
{
    dialog.list.SetCurSel(0);
    FocusControl(dialog, IDC_LIST);
    PressKey(Qt::Key_Down);
    PressKey(Qt::Key_Down);
    PressKey(Qt::Key_Up);
    PressKey(Qt::Key_B);
    EXPECT_EQ(dialog.notifications, (std::vector<std::string>{"list 1", "list 2", "list 1", "list 3"}));
    EXPECT_FALSE(dialog.EndedWith());
}

TEST_F(ComboBoxes, ClickingAnItemOfTheOpenListNotifies)
{
    dialog.list.SetCurSel(0);
    FocusControl(dialog, IDC_LIST);
    OpenPopup();
    QAbstractItemView* view = List()->view();
    const QRect item = view->visualRect(view->model()->index(2, 0));
    QTest::mouseMove(view->viewport(), item.center());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, item.center());
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(dialog.list.GetCurSel(), 2);
    EXPECT_EQ(dialog.notifications, (std::vector<std::string>{"list 2"}));
}

TEST_F(ComboBoxes, TextTypedIntoAnEditableListNeverSelectsOrNotifies)
{
    dialog.typedList.SetCurSel(0);
    FocusControl(dialog, IDC_TYPED_LIST);
    QLineEdit* field = ControlWidget<QComboBox>(dialog, IDC_TYPED_LIST)->lineEdit();
    field->selectAll();
    QTest::keyClicks(field, "mu");  // exactly the text of item 2
    PressKey(Qt::Key_Tab);          // leaving the field does not pick it either
    EXPECT_EQ(dialog.typedList.GetCurSel(), 0);
    EXPECT_EQ(dialog.typedList.GetCount(), 3);

    FocusControl(dialog, IDC_TYPED_LIST);
    field->selectAll();
    QTest::keyClicks(field, "alpha");
    PressKey(Qt::Key_Return);  // Enter means OK here, which ends the dialog
    EXPECT_EQ(dialog.EndedWith(), IDOK);
    EXPECT_EQ(dialog.typedList.GetCurSel(), 0);
    EXPECT_EQ(dialog.typedList.GetCount(), 3);
    EXPECT_TRUE(dialog.notifications.empty());
}

TEST_F(ComboBoxes, AnEditableListStillNotifiesWhenTheUserPicksAnItem)
{
    dialog.typedList.SetCurSel(0);
    FocusControl(dialog, IDC_TYPED_LIST);
    PressKey(Qt::Key_Down);
    EXPECT_EQ(dialog.notifications, (std::vector<std::string>{"typed 1"}));
}

TEST_F(ComboBoxes, EscapeAndEnterInAnOpenListOnlyCloseIt)
{
    dialog.list.SetCurSel(0);
    FocusControl(dialog, IDC_LIST);
    OpenPopup();
    PressKey(Qt::Key_Escape);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_FALSE(dialog.EndedWith());

    OpenPopup();
    PressKey(Qt::Key_Down);
    PressKey(Qt::Key_Return);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_FALSE(dialog.EndedWith());
    EXPECT_EQ(dialog.list.GetCurSel(), 1);
}

TEST(DialogInitialisation, DataForAControlThatIsNoListEndsTheDialogWithMinusOne)
{
    TestDialog dialog(IDD_BAD_INIT);
    EXPECT_EQ(dialog.DoModal(), -1);
}

}  // namespace
