#include "tests/framework/shown_test_dialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <string>
#include <vector>

using namespace test_dialog;

namespace {

class ComboBoxes : public ShownTestDialog {
protected:
    std::vector<std::string> Items(int id) const
    {
        const auto* combo = ControlWidget<QComboBox>(dialog, id);
        std::vector<std::string> items;
        for (int i = 0; i < combo->count(); ++i)
            items.push_back(combo->itemText(i).toStdString());
        return items;
    }
};

TEST_F(ComboBoxes, TheInitialisationDataFillsASortedListByTheBytesOfItsItemsAndSelectsNothing)
{
    // '7' < 'B' and "7A" < "7D" as bytes; the unsorted list keeps the data's order.
    EXPECT_EQ(Items(IDC_LIST), (std::vector<std::string>{"7A08-7A10：スター・雲", "7AC9-7AD1：地上a-b3",
                                                         "7DCA-7DD1：海", "B000-B001：城"}));
    EXPECT_EQ(Items(IDC_TYPED_LIST), (std::vector<std::string>{"zeta", "alpha", "mu"}));
    EXPECT_EQ(dialog.list.GetCurSel(), -1);
    EXPECT_EQ(dialog.typedList.GetCurSel(), -1);
}

TEST(DialogInitialisation, DataThatCannotBeDeliveredEndsTheDialogWithMinusOne)
{
    for (const int id : {IDD_INIT_FOR_EDIT, IDD_INIT_FOR_NOTHING, IDD_INIT_UNKNOWN}) {
        TestDialog dialog(id);
        EXPECT_EQ(dialog.DoModal(), -1) << "template " << id;
    }
}

TEST_F(ComboBoxes, SetCurSelSelectsWithoutNotifyingAndAnIndexOutsideTheListClearsTheSelection)
{
    std::vector<int> selections;
    for (const int index : {2, 4, 3, -1}) {
        dialog.list.SetCurSel(index);
        selections.push_back(dialog.list.GetCurSel());
    }
    EXPECT_EQ(selections, (std::vector<int>{2, -1, 3, -1}));
    dialog.list.SetCurSel(2);
    EXPECT_EQ(ControlWidget<QComboBox>(dialog, IDC_LIST)->currentText(), "7DCA-7DD1：海");
    EXPECT_TRUE(dialog.notifications.empty());
}

TEST_F(ComboBoxes, ArrowKeysATypedFirstLetterAndAClickOnAnItemNotifyWhileEscapeAndEnterOnlyCloseTheOpenList)
{
    dialog.list.SetCurSel(0);
    FocusControl(dialog, IDC_LIST);
    for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_B})
        PressKey(key);
    PickListItem(dialog, IDC_LIST, 2);
    EXPECT_EQ(dialog.notifications, (std::vector<std::string>{"list 1", "list 2", "list 1", "list 3", "list 2"}));
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
        PressKey(Qt::Key_F4);
        ASSERT_NE(QApplication::activePopupWidget(), nullptr);
        PressKey(key);
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    }
    EXPECT_FALSE(dialog.EndedWith());
}

TEST_F(ComboBoxes, TextTypedIntoAnEditableListNeverSelectsOrNotifiesButPickingAnItemDoes)
{
    dialog.typedList.SetCurSel(0);
    FocusControl(dialog, IDC_TYPED_LIST);
    QLineEdit* field = ControlWidget<QComboBox>(dialog, IDC_TYPED_LIST)->lineEdit();
    field->selectAll();
    QTest::keyClicks(field, "alpha");  // exactly the text of item 1
    PressKey(Qt::Key_Return);  // Enter means OK here, which ends the dialog
    EXPECT_EQ(dialog.EndedWith(), IDOK);
    EXPECT_EQ(dialog.typedList.GetCurSel(), 0);
    EXPECT_EQ(Items(IDC_TYPED_LIST).size(), 3U);
    EXPECT_TRUE(dialog.notifications.empty());

    TestDialog other;
    ASSERT_TRUE(ShowActive(other));
    other.typedList.SetCurSel(0);
    FocusControl(other, IDC_TYPED_LIST);
    PressKey(Qt::Key_Down);
    EXPECT_EQ(other.notifications, (std::vector<std::string>{"typed 1"}));
}

}  // namespace
