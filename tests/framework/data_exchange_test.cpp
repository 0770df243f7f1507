#include "tests/framework/shown_test_dialog.h"

#include <QLineEdit>
#include <QRadioButton>

using namespace test_dialog;

namespace {

class DataExchange : public ShownTestDialog {
protected:
    QLineEdit& Box(int id) const { return *ControlWidget<QLineEdit>(dialog, id); }
    bool Checked(int id) const { return ControlWidget<QRadioButton>(dialog, id)->isChecked(); }
};

TEST_F(DataExchange, TheFirstExchangeBindsControlMembersAndLaterOnesLeaveThemAlone)
{
    EXPECT_EQ(dialog.list.GetSafeHwnd(), dialog.GetDlgItem(IDC_LIST));
    EXPECT_EQ(dialog.typedList.GetSafeHwnd(), dialog.GetDlgItem(IDC_TYPED_LIST));
    EXPECT_EQ(dialog.output.GetSafeHwnd(), dialog.GetDlgItem(IDC_OUTPUT));
    CDataExchange exchange(&dialog, FALSE);
    DDX_Control(&exchange, IDC_TYPED_LIST, dialog.list);
    EXPECT_EQ(dialog.list.GetSafeHwnd(), dialog.GetDlgItem(IDC_LIST));
}

TEST_F(DataExchange, IntegersAreWrittenAsSignedDecimalAndReadBack)
{
    dialog.number = -42;
    dialog.box0 = 7;
    dialog.box1 = 2147483647;
    dialog.UpdateData(FALSE);
    EXPECT_EQ(Box(IDC_NUMBER).text() + " " + Box(IDC_BOX0).text() + " " + Box(IDC_BOX1).text(), "-42 7 2147483647");
    Box(IDC_NUMBER).setText("17");
    Box(IDC_BOX0).setText("-5");
    dialog.UpdateData(TRUE);
    EXPECT_EQ(dialog.number, 17);
    EXPECT_EQ(dialog.box0, -5);
    EXPECT_EQ(dialog.box1, 2147483647);
}

TEST_F(DataExchange, ARadioGroupCountsItsRadioButtonsOnlyUpToTheNextGroup)
{
    dialog.choice = 2;
    dialog.otherChoice = 0;
    dialog.UpdateData(FALSE);
    // The third radio, the fifth control of the group; the next group is a group of its own.
    EXPECT_TRUE(!Checked(IDC_RADIO0) && !Checked(IDC_RADIO0 + 1) && Checked(IDC_RADIO0 + 2));
    EXPECT_TRUE(Checked(IDC_OTHER0));

    ClickControl(dialog, IDC_RADIO0 + 1);
    ClickControl(dialog, IDC_OTHER0 + 1);
    dialog.UpdateData(TRUE);
    EXPECT_EQ(dialog.choice, 1);
    EXPECT_EQ(dialog.otherChoice, 1);
}

TEST_F(DataExchange, WritingMinusOneOrAPositionBeyondTheGroupClearsItWhichReadsBackAsMinusOne)
{
    for (const int position : {-1, 3}) {
        ClickControl(dialog, IDC_RADIO0 + 2);
        dialog.choice = position;
        dialog.UpdateData(FALSE);
        EXPECT_TRUE(!Checked(IDC_RADIO0) && !Checked(IDC_RADIO0 + 1) && !Checked(IDC_RADIO0 + 2)) << position;
        dialog.UpdateData(TRUE);
        EXPECT_EQ(dialog.choice, -1);
    }
    // The group stays exclusive afterwards.
    ClickControl(dialog, IDC_RADIO0);
    ClickControl(dialog, IDC_RADIO0 + 1);
    EXPECT_TRUE(!Checked(IDC_RADIO0) && Checked(IDC_RADIO0 + 1));
}

}  // namespace
