#include "tests/framework/shown_test_dialog.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

using namespace test_dialog;

namespace {

class DataExchange : public ShownTestDialog {
protected:
    QString Text(int id) const { return ControlWidget<QLineEdit>(dialog, id)->text(); }
    void SetText(int id, const char* text) { ControlWidget<QLineEdit>(dialog, id)->setText(text); }
    bool Checked(int id) const { return ControlWidget<QRadioButton>(dialog, id)->isChecked(); }
    void ClickRadio(int id) { ClickControl(dialog, id); }
};

TEST_F(DataExchange, TheFirstExchangeBindsControlMembersToTheirControls)
{
    EXPECT_EQ(dialog.list.GetSafeHwnd(), dialog.GetDlgItem(IDC_LIST));
    EXPECT_EQ(dialog.typedList.GetSafeHwnd(), dialog.GetDlgItem(IDC_TYPED_LIST));
    EXPECT_EQ(dialog.output.GetSafeHwnd(), dialog.GetDlgItem(IDC_OUTPUT));
    // Later exchanges leave the binding alone.
    EXPECT_TRUE(dialog.UpdateData(FALSE));
    EXPECT_EQ(dialog.list.GetSafeHwnd(), dialog.GetDlgItem(IDC_LIST));
}

TEST_F(DataExchange, BindingToAControlOfAnotherClassOrNoControlFails)
{
    CComboBox wrongClass;
    CDataExchange exchange(&dialog, FALSE);
    EXPECT_THROW(DDX_Control(&exchange, IDC_NUMBER, wrongClass), CUserException);
    EXPECT_EQ(wrongClass.GetSafeHwnd(), nullptr);
    CEdit missing;
    EXPECT_THROW(DDX_Control(&exchange, 999, missing), CUserException);
    int value = 0;
    EXPECT_THROW(DDX_Text(&exchange, 999, value), CUserException);
}

TEST_F(DataExchange, IntegersAreWrittenAsSignedDecimalAndReadBack)
{
    dialog.number = -42;
    dialog.box0 = 7;
    dialog.box1 = 2147483647;
    ASSERT_TRUE(dialog.UpdateData(FALSE));
    EXPECT_EQ(Text(IDC_NUMBER), "-42");
    EXPECT_EQ(Text(IDC_BOX0), "7");
    EXPECT_EQ(Text(IDC_BOX1), "2147483647");

    SetText(IDC_NUMBER, " 17 ");
    SetText(IDC_BOX0, "+5");
    SetText(IDC_BOX1, "-0");
    ASSERT_TRUE(dialog.UpdateData(TRUE));
    EXPECT_EQ(dialog.number, 17);
    EXPECT_EQ(dialog.box0, 5);
    EXPECT_EQ(dialog.box1, 0);
}

TEST_F(DataExchange, TextThatIsNoNumberIsReportedAndStopsTheReading)
{
    for (const char* bad : {"12x", "", "x", "99999999999", "1 2"}) {
        SetText(IDC_NUMBER, "3");
        SetText(IDC_BOX0, bad);
        SetText(IDC_BOX1, "8");
        dialog.box1 = 0;
        QString report;
        CloseNextMessageBox(&report);
        EXPECT_FALSE(dialog.UpdateData(TRUE)) << bad;
        EXPECT_EQ(report, "Please enter an integer.") << bad;
        EXPECT_EQ(dialog.number, 3) << "fields before the bad box are read";
        EXPECT_EQ(dialog.box1, 0) << "fields after it are not";
        // The window system hands the activation back once the message box is gone.
        dialog.GetSafeHwnd()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.GetSafeHwnd()));
        EXPECT_TRUE(HasFocus(dialog, IDC_BOX0)) << "the bad box gets the focus";
    }
}

TEST_F(DataExchange, ARadioGroupCountsItsRadioButtonsOnlyUpToTheNextGroup)
{
    dialog.choice = 2;
    dialog.otherChoice = 0;
    ASSERT_TRUE(dialog.UpdateData(FALSE));
    EXPECT_FALSE(Checked(IDC_RADIO0));
    EXPECT_FALSE(Checked(IDC_RADIO0 + 1));
    EXPECT_TRUE(Checked(IDC_RADIO0 + 2));  // the third radio, the fifth control of the group
    EXPECT_TRUE(Checked(IDC_OTHER0));      // the next group is a group of its own

    ClickRadio(IDC_RADIO0 + 1);
    ClickRadio(IDC_OTHER0 + 1);
    ASSERT_TRUE(dialog.UpdateData(TRUE));
    EXPECT_EQ(dialog.choice, 1);
    EXPECT_EQ(dialog.otherChoice, 1);
}

TEST_F(DataExchange, WritingMinusOneClearsEveryRadioButtonAndReadingNoneGivesMinusOne)
{
    // After the first exchange with -1 nothing is checked.
    ASSERT_TRUE(dialog.UpdateData(TRUE));
    EXPECT_EQ(dialog.choice, -1);

    ClickRadio(IDC_RADIO0 + 2);
    ASSERT_TRUE(Checked(IDC_RADIO0 + 2));
    dialog.choice = -1;
    ASSERT_TRUE(dialog.UpdateData(FALSE));
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(Checked(IDC_RADIO0 + i)) << i;
    ASSERT_TRUE(dialog.UpdateData(TRUE));
    EXPECT_EQ(dialog.choice, -1);

    // The group stays exclusive afterwards.
    ClickRadio(IDC_RADIO0);
    ClickRadio(IDC_RADIO0 + 1);
    EXPECT_FALSE(Checked(IDC_RADIO0));
    EXPECT_TRUE(Checked(IDC_RADIO0 + 1));
}

TEST_F(DataExchange, APositionBeyondTheGroupClearsItToo)
{
    ClickRadio(IDC_RADIO0);
    dialog.choice = 3;
    ASSERT_TRUE(dialog.UpdateData(FALSE));
    ASSERT_TRUE(dialog.UpdateData(TRUE));
    EXPECT_EQ(dialog.choice, -1);
}

TEST_F(DataExchange, ARadioGroupMustStartAtAControlThatStartsAGroup)
{
    int value = 0;
    CDataExchange exchange(&dialog, TRUE);
    EXPECT_THROW(DDX_Radio(&exchange, IDC_RADIO0 + 1, value), CUserException);
}

}  // namespace
