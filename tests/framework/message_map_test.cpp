#include "tests/framework/shown_test_dialog.h"

#include <QTest>

using namespace test_dialog;

namespace {

// An application whose message map takes the help command.
class HelpfulApp : public CWinApp {
public:
    int helpRequests = 0;

protected:
    void OnHelpRequested() { ++helpRequests; }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(HelpfulApp, CWinApp)
    ON_COMMAND(ID_HELP, OnHelpRequested)
END_MESSAGE_MAP()

using MessageMap = ShownTestDialog;

TEST_F(MessageMap, AClickReachesTheHandlerOfItsButtonOnly)
{
    ClickControl(dialog, IDC_BUTTON);
    ClickControl(dialog, IDC_SILENT);
    ClickControl(dialog, IDC_RADIO0);  // radio buttons have no entries
    EXPECT_EQ(dialog.notifications, (std::vector<std::string>{"button"}));
    EXPECT_FALSE(dialog.EndedWith());
}

TEST_F(MessageMap, PaintingGoesThroughThePaintEntry)
{
    const int before = dialog.paints;
    dialog.GetSafeHwnd()->repaint();
    EXPECT_GT(dialog.paints, before);
}

TEST_F(MessageMap, OkAndCancelAreEntriesOfTheDialogsMapAndSentCommandsReachThem)
{
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_BUTTON, BN_CLICKED));
    EXPECT_EQ(dialog.notifications, (std::vector<std::string>{"button"}));
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED));
    EXPECT_EQ(dialog.EndedWith(), IDOK);
}

TEST_F(MessageMap, CommandsTheDialogDoesNotTakeGoOnToTheApplication)
{
    HelpfulApp app;
    FocusControl(dialog, IDC_NUMBER);
    PressKey(Qt::Key_F1);
    EXPECT_EQ(app.helpRequests, 1);
    EXPECT_FALSE(dialog.EndedWith());
}

}  // namespace
