#include "tests/framework/image_dc.h"
#include "tests/framework/shown_test_dialog.h"

#include <QIcon>

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

TEST_F(MessageMap, AClickReachesTheHandlerOfItsButtonOrOfTheRangeThatHoldsIt)
{
    for (const int id : {IDC_BUTTON, IDC_KEY0 + 1, IDC_SILENT, IDC_KEY0, IDC_RADIO0})
        ClickControl(dialog, id);
    // The button next to the range and the radio button have no entry.
    EXPECT_EQ(dialog.notifications, (std::vector<std::string>{"button", "key 332", "key 331"}));
    EXPECT_FALSE(dialog.EndedWith());
}

TEST_F(MessageMap, PaintingAndTheDragIconGoThroughTheirEntries)
{
    const int before = dialog.paints;
    dialog.GetSafeHwnd()->repaint();
    EXPECT_GT(dialog.paints, before);
    const CWinApp app;  // the dialog's handler loads the icon through the application
    EXPECT_EQ(dialog.SendMessage(WM_QUERYDRAGICON), reinterpret_cast<LRESULT>(app.LoadIcon(128)));
}

TEST_F(MessageMap, WithoutAnEntryTheWindowSetsItsIconsAndErasesUnderTheIcon)
{
    const HICON icon = CWinApp().LoadIcon(128);
    EXPECT_EQ(dialog.SetIcon(icon, TRUE), nullptr);
    EXPECT_EQ(dialog.SetIcon(icon, TRUE), icon);  // the one set before
    dialog.SetIcon(icon, FALSE);
    const QList<QSize> sizes = dialog.GetSafeHwnd()->windowIcon().availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(32, 32)) && sizes.contains(QSize(16, 16)));

    ImageDC dc(10, 10);
    dc.DrawIcon(0, 0, icon);
    EXPECT_EQ(dialog.SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc())), 1);
    EXPECT_EQ(dc.image.pixel(9, 9), dialog.GetSafeHwnd()->palette().window().color().rgb());
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
