#include "tests/framework/shown_test_dialog.h"

#include <QLineEdit>
#include <QTest>

using namespace test_dialog;

namespace {

using DialogKeyboard = ShownTestDialog;

TEST_F(DialogKeyboard, EnterInAClosedListANumberBoxOrOnARadioButtonIssuesOk)
{
    const auto enterIn = [](int id, bool click) {
        TestDialog fresh;
        EXPECT_TRUE(ShowActive(fresh));
        if (click)
            ClickControl(fresh, id);
        else
            FocusControl(fresh, id);
        ASSERT_TRUE(HasFocus(fresh, id));
        PressKey(Qt::Key_Return);
        EXPECT_EQ(fresh.EndedWith(), IDOK) << "Enter in control " << id;
        EXPECT_FALSE(fresh.GetSafeHwnd()->isVisible());
    };
    enterIn(IDC_LIST, false);
    enterIn(IDC_NUMBER, false);
    enterIn(IDC_RADIO0 + 1, true);
}

TEST_F(DialogKeyboard, OkReadsTheControlsAndEndsOnlyWhenThatSucceeds)
{
    ClickControl(dialog, IDC_RADIO0 + 2);
    ControlWidget<QLineEdit>(dialog, IDC_BOX1)->setText("x");
    FocusControl(dialog, IDC_NUMBER);
    QString report;
    CloseNextMessageBox(&report);
    PressKey(Qt::Key_Enter);
    EXPECT_FALSE(dialog.EndedWith());
    EXPECT_EQ(report, "Please enter an integer.");

    ControlWidget<QLineEdit>(dialog, IDC_BOX1)->setText("12");
    FocusControl(dialog, IDC_NUMBER);
    PressKey(Qt::Key_Enter);
    EXPECT_EQ(dialog.EndedWith(), IDOK);
    EXPECT_EQ(dialog.box1, 12);
    EXPECT_EQ(dialog.choice, 2);
}

TEST_F(DialogKeyboard, EnterOrSpaceOnAFocusedPushButtonClicksItAndTheDialogStays)
{
    FocusControl(dialog, IDC_BUTTON);
    PressKey(Qt::Key_Return);
    PressKey(Qt::Key_Space);
    EXPECT_EQ(dialog.notifications, (std::vector<std::string>{"button", "button"}));
    EXPECT_FALSE(dialog.EndedWith());

    // A button without a handler: nothing happens, and still no OK.
    FocusControl(dialog, IDC_SILENT);
    PressKey(Qt::Key_Return);
    ClickControl(dialog, IDC_SILENT);
    EXPECT_EQ(dialog.notifications.size(), 2U);
    EXPECT_FALSE(dialog.EndedWith());
}

TEST_F(DialogKeyboard, EnterInTheOutputBoxDoesNothing)
{
    dialog.output.SetWindowText("0410");
    FocusControl(dialog, IDC_OUTPUT);
    PressKey(Qt::Key_Return);
    PressKey(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_FALSE(dialog.EndedWith());
    CString text;
    dialog.output.GetWindowText(text);
    EXPECT_EQ(text, "0410");
}

TEST_F(DialogKeyboard, EscapeCancelsFromAnyControl)
{
    for (const int id : {IDC_LIST, IDC_TYPED_LIST, IDC_NUMBER, IDC_BUTTON, IDC_OUTPUT}) {
        TestDialog other;
        ASSERT_TRUE(ShowActive(other));
        FocusControl(other, id);
        PressKey(Qt::Key_Escape);
        EXPECT_EQ(other.EndedWith(), IDCANCEL) << "Escape in control " << id;
    }
    ClickControl(dialog, IDC_RADIO0);
    ASSERT_TRUE(HasFocus(dialog, IDC_RADIO0));
    PressKey(Qt::Key_Escape);
    EXPECT_EQ(dialog.EndedWith(), IDCANCEL);
}

TEST_F(DialogKeyboard, TheCloseBoxAndAltF4Cancel)
{
    dialog.GetSafeHwnd()->close();
    EXPECT_EQ(dialog.EndedWith(), IDCANCEL);
    EXPECT_FALSE(dialog.GetSafeHwnd()->isVisible());

    TestDialog other;
    ASSERT_TRUE(ShowActive(other));
    PressKey(Qt::Key_F4, Qt::AltModifier);
    EXPECT_EQ(other.EndedWith(), IDCANCEL);
}

TEST(ModalDialog, DoModalReturnsTheEndCodeAndDestroysTheWindow)
{
    TestDialog dialog;
    QWidget* shown = nullptr;
    WhenModalDialogIsActive([&](QWidget* window) {
        shown = window;
        PressKey(Qt::Key_Return);  // the focus is in the list
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_NE(shown, nullptr);
    EXPECT_EQ(dialog.GetSafeHwnd(), nullptr);
    EXPECT_EQ(dialog.list.GetSafeHwnd(), nullptr);

    WhenModalDialogIsActive([](QWidget*) { PressKey(Qt::Key_Escape); });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST(ModalDialog, ATemplateThatCannotBeBuiltGivesMinusOne)
{
    TestDialog missing(IDD_MISSING);
    EXPECT_EQ(missing.DoModal(), -1);
    TestDialog unsupported(IDD_UNSUPPORTED);
    EXPECT_EQ(unsupported.DoModal(), -1);
    EXPECT_FALSE(unsupported.Create());
}

}  // namespace
