// The mouse wheel turns a list only when the list has the keyboard focus, as in the classic
// dialogs: a pointer that passes over a list changes nothing.
#include "tests/framework/shown_test_dialog.h"

using namespace test_dialog;

namespace {

using MouseWheel = ShownTestDialog;

TEST_F(MouseWheel, OverAListWithoutTheFocusChangesNothing)
{
    dialog.list.SetCurSel(1);
    dialog.typedList.SetCurSel(1);
    FocusControl(dialog, IDC_BUTTON);
    for (const int id : {IDC_LIST, IDC_TYPED_LIST}) {
        TurnWheel(dialog, id, 1);
        TurnWheel(dialog, id, -2);
    }
    EXPECT_EQ(dialog.list.GetCurSel(), 1);
    EXPECT_EQ(dialog.typedList.GetCurSel(), 1);
    EXPECT_TRUE(dialog.notifications.empty());
    EXPECT_TRUE(HasFocus(dialog, IDC_BUTTON));
}

TEST_F(MouseWheel, OverTheFocusedListEachNotchSelectsTheNextItemAndNotifies)
{
    dialog.list.SetCurSel(1);
    FocusControl(dialog, IDC_LIST);
    TurnWheel(dialog, IDC_LIST, 1);
    TurnWheel(dialog, IDC_LIST, -2);
    dialog.typedList.SetCurSel(0);
    FocusControl(dialog, IDC_TYPED_LIST);  // the pointer is over its text field
    TurnWheel(dialog, IDC_TYPED_LIST, 1);
    EXPECT_EQ(dialog.notifications, (std::vector<std::string>{"list 2", "list 1", "list 0", "typed 1"}));
}

}  // namespace
