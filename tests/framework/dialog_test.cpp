// A dialog worked through its real widgets: the region list, the keyboard, the message map.
#include "tests/framework/noise_dialog.h"

#include <QComboBox>
#include <QLineEdit>

#include <string>

namespace {

// Whatever order the data comes in: '7' < 'B' and "7A" < "7D".
TEST(DialogInitialisation, TheDataFillsTheSortedListInTheOrderOfTheItemsBytes)
{
    static constexpr int kList = NoiseDialog::ids.regionList;
    static constexpr DialogInitRecord kUnsorted[] = {
        {kList, "7DCA-7DD1：海"}, {kList, "B000-B001：城"}, {kList, "7A08-7A10：スター・雲"}, {kList, "7AC9-7AD1：地上a-b3"}};
    const DialogInitResource init[] = {{IDD_COMPOSER, kUnsorted}};
    const ResourceTable unsorted{"rustle", rustle::kComposer.resources.Table().dialogs, init};
    NoiseDialog dialog(unsorted);
    ASSERT_TRUE(ShowActive(dialog));
    const auto* list = ControlWidget<QComboBox>(dialog, kList);
    std::string items;
    for (int i = 0; i < list->count(); ++i)
        items += list->itemText(i).toStdString() + " ";
    EXPECT_EQ(items, "7A08-7A10：スター・雲 7AC9-7AD1：地上a-b3 7DCA-7DD1：海 B000-B001：城 ");

    // Without data for the template the list stays empty.
    const ResourceTable withoutData{"rustle", rustle::kComposer.resources.Table().dialogs, {}};
    NoiseDialog bare(withoutData);
    ASSERT_TRUE(ShowActive(bare));
    EXPECT_EQ(ControlWidget<QComboBox>(bare, kList)->count(), 0);
}

using RegionList = ShownNoiseDialog;

// The program's selection sends no notification, the user's does. While the list is open,
// Escape and Enter only close it; text typed into its field never selects, and Enter there
// means OK.
TEST_F(RegionList, OnlyTheUserSelectionNotifiesAndTypedTextSelectsNothing)
{
    auto* list = ControlWidget<QComboBox>(dialog, ids.regionList);
    dialog.list.SetCurSel(2);
    EXPECT_EQ(list->currentIndex(), 2);
    FocusControl(dialog, ids.regionList);
    PressKey(Qt::Key_Down);
    EXPECT_EQ(dialog.selections, std::vector<int>{3});
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
        PressKey(Qt::Key_F4);
        ASSERT_NE(QApplication::activePopupWidget(), nullptr);
        PressKey(key);
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    }
    EXPECT_EQ(EndCode(dialog), 0);

    const std::vector<int> selections = dialog.selections;
    list->lineEdit()->selectAll();
    TypeText(list->itemText(1));
    EXPECT_EQ(list->currentText(), list->itemText(1));
    PressKey(Qt::Key_Return);
    EXPECT_EQ(EndCode(dialog), IDOK);
    EXPECT_EQ(dialog.list.GetCurSel(), 3);
    EXPECT_EQ(list->count(), 5);
    EXPECT_EQ(dialog.selections, selections);
}

using DialogKeyboard = ShownNoiseDialog;

// Enter clicks a focused push button and does nothing in the output box; anywhere else it
// means OK, which reads the controls into the fields first: a number as decimal text, the
// position of the checked radio button among the radio buttons only.
TEST_F(DialogKeyboard, EnterClicksAFocusedButtonIsIgnoredByTheOutputBoxAndElsewhereMeansOk)
{
    FocusControl(dialog, ids.rest);
    PressKey(Qt::Key_Return);
    FocusControl(dialog, ids.output);
    PressKey(Qt::Key_Return);
    PressKey(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(dialog.clicks, std::vector<int>{ids.rest});
    EXPECT_EQ(EndCode(dialog), 0);
    ControlWidget<QLineEdit>(dialog, ids.count)->setText("17");
    ClickControl(dialog, ids.firstLength + 5);
    PressKey(Qt::Key_Return);
    EXPECT_EQ(EndCode(dialog), IDOK);
    EXPECT_EQ(dialog.count, 17);
    EXPECT_EQ(dialog.length, 5);
}

TEST(DialogClosing, EscapeAltF4AndTheCloseBoxCancel)
{
    for (const QKeyCombination way : {QKeyCombination(Qt::Key_Escape), Qt::AltModifier | Qt::Key_F4, {}}) {
        NoiseDialog dialog;
        ASSERT_TRUE(ShowActive(dialog));
        FocusControl(dialog, NoiseDialog::ids.count);
        if (way.key() != Qt::Key_unknown)
            PressKey(way.key(), way.keyboardModifiers());
        else
            dialog.GetSafeHwnd()->close();  // the close box
        EXPECT_EQ(EndCode(dialog), IDCANCEL) << way.key();
    }
}

// An application whose message map takes the help command.
class HelpfulApp : public CWinApp {
public:
    void OnHelpRequested() { ++helpRequests; }
    int helpRequests = 0;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(HelpfulApp, CWinApp)
    ON_COMMAND(ID_HELP, OnHelpRequested)
END_MESSAGE_MAP()

using MessageMap = ShownNoiseDialog;

TEST_F(MessageMap, AClickReachesTheHandlerOfItsButtonOrOfTheRangeThatHoldsIt)
{
    const auto& sounds = NoiseDialog::kSounds;
    for (const int id : {ids.rest, sounds[1], sounds[2], sounds[0], ids.firstLength})
        ClickControl(dialog, id);
    // The sound next to the range and the radio button have no entry.
    EXPECT_EQ(dialog.clicks, (std::vector<int>{ids.rest, sounds[1], sounds[0]}));
    EXPECT_EQ(EndCode(dialog), 0);
}

TEST_F(MessageMap, PaintingTheDragIconAndCommandsTheDialogDoesNotTakeFindTheirHandlers)
{
    const int before = dialog.paints;
    dialog.GetSafeHwnd()->repaint();
    EXPECT_GT(dialog.paints, before);

    HelpfulApp app;  // the dialog's handler loads the icon through the application
    EXPECT_EQ(dialog.SendMessage(WM_QUERYDRAGICON), reinterpret_cast<LRESULT>(app.LoadIcon(IDI_COMPOSER)));
    FocusControl(dialog, ids.count);
    PressKey(Qt::Key_F1);
    EXPECT_EQ(app.helpRequests, 1);
    EXPECT_EQ(EndCode(dialog), 0);
}

// With Shift or Ctrl held, Escape, F1 and Enter are the control's keys, not the dialog's.
// Enter with the focus on the dialog itself, on no control, means OK.
TEST_F(DialogKeyboard, ModifiedKeysAreNotTheDialogsAndEnterOnTheDialogItselfMeansOk)
{
    HelpfulApp app;
    FocusControl(dialog, ids.rest);
    PressKey(Qt::Key_Escape, Qt::ShiftModifier);
    PressKey(Qt::Key_F1, Qt::ControlModifier);
    PressKey(Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(EndCode(dialog), 0);
    EXPECT_EQ(app.helpRequests, 0);
    EXPECT_TRUE(dialog.clicks.empty());

    dialog.GetSafeHwnd()->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), dialog.GetSafeHwnd());
    PressKey(Qt::Key_Return);
    EXPECT_EQ(EndCode(dialog), IDOK);
}

}  // namespace
