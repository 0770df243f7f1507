#include "replay/dialog_model.h"
#include "tests/framework/test_composer_dialog.h"
#include "tests/support/composer_dialog_driver.h"
#include "tests/support/widget_driver.h"

#include <QIcon>

#include <string>
#include <vector>

#include <gtest/gtest.h>

using namespace rustle;

namespace {

// The composer dialog on the noise voice, shown and active; the driver works it as the
// user does and reads back what it shows.
class ComposerDialogShell : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(ShowActive(dialog)); }

    void PickRegion(int index) { driver.PickRegion(index); }
    void CheckLength(int position) { driver.CheckLength(position); }
    void Click(int controlId) { ASSERT_TRUE(driver.Click(controlId)); }
    std::string Show() const { return driver.Show(); }

    CWinApp app;  // the dialog loads its icon through the application
    ComposerState state;
    TestComposerDlg dialog{nullptr, state};
    ComposerDialogDriver driver{dialog, {IDC_REGION, IDC_COUNT, IDC_BUDGET, IDC_LEN0, IDC_TOTAL, IDC_LENSEL0, IDC_OUTPUT}};
};

TEST_F(ComposerDialogShell, AfterSetUpRegionZeroIsSelectedAndResetWithTheFirstRadioChecked)
{
    std::vector<std::string> labels;
    for (int i = 0; i < dialog.regionList.GetCount(); ++i) {
        CString label;
        dialog.regionList.GetLBText(i, label);
        labels.push_back(label.Str());
    }
    std::vector<std::string> catalogue;
    for (const RegionEntry& region : kRegions)
        catalogue.emplace_back(region.label);
    EXPECT_EQ(labels, catalogue);  // sorted, the list keeps the catalogue order
    EXPECT_EQ(Show(), "region=0 count=0 budget=9 durations=2,4,6,8,12,18,24,36 total=0 length=0 output=");
    EXPECT_TRUE(HasFocus(dialog, IDC_REGION));
    const QList<QSize> iconSizes = dialog.GetSafeHwnd()->windowIcon().availableSizes();
    EXPECT_TRUE(iconSizes.contains(QSize(32, 32)));
    EXPECT_TRUE(iconSizes.contains(QSize(16, 16)));
}

TEST_F(ComposerDialogShell, SetUpWritesTheFieldsThenSetsIconsAndSelectionThenResetsThenChecksRadioZero)
{
    EXPECT_EQ(dialog.exchanges, (std::vector<std::string>{
                                    "write len=-1 sel=-1 icon=0",  // the base fills the list, writes
                                    "write len=-1 sel=0 icon=1",   // the region change, no read
                                    "write len=0 sel=0 icon=1",    // radio position 0
                                }));
}

TEST_F(ComposerDialogShell, AnEditReadsEveryControlThenWritesEveryFieldThenTheText)
{
    dialog.exchanges.clear();
    CheckLength(2);
    EXPECT_TRUE(dialog.exchanges.empty()) << "a radio click alone exchanges nothing";
    Click(IDC_NOISE1);
    EXPECT_EQ(dialog.exchanges, (std::vector<std::string>{"read len=2 sel=0 icon=1", "write len=2 sel=0 icon=1"}));
    // Region 0 is of group 4; radio position 2 lasts 6 and codes "チ" as 90.
    EXPECT_EQ(Show(), "region=0 count=1 budget=9 durations=2,4,6,8,12,18,24,36 total=6 length=2 output=90");
}

TEST_F(ComposerDialogShell, ARefusedEditTouchesNoControl)
{
    dialog.exchanges.clear();
    const std::string before = Show();
    Click(IDC_BACK);  // nothing to take back
    EXPECT_TRUE(dialog.exchanges.empty());
    EXPECT_EQ(Show(), before);
}

TEST_F(ComposerDialogShell, ARegionChangePutsARadioCheckedSinceTheLastReadBack)
{
    CheckLength(3);
    PickRegion(4);
    EXPECT_EQ(Show(), "region=4 count=0 budget=8 durations=4,8,12,16,24,32,48,64 total=0 length=0 output=");

    CheckLength(3);
    Click(IDC_REST);
    PickRegion(1);
    EXPECT_EQ(Show(), "region=1 count=0 budget=9 durations=3,6,9,12,18,27,36,54 total=0 length=3 output=");
}

TEST_F(ComposerDialogShell, TheDialogShowsWhatTheWindowlessModelShowsForTheSameActions)
{
    DialogModel model(kProgram);
    ASSERT_EQ(Show(), model.Show());
    struct Action {
        enum { Pick, Check, Press } kind;
        int argument;
    };
    const Action script[] = {
        {Action::Press, IDC_NOISE1}, {Action::Check, 5},          {Action::Press, IDC_REST},
        {Action::Press, IDC_END},    {Action::Press, IDC_BACK},   {Action::Check, 7},
        {Action::Press, IDC_REST},   {Action::Press, IDC_BACK},   {Action::Press, IDC_BACK},
        {Action::Press, IDC_BACK},   {Action::Pick, 0},           {Action::Press, IDC_END},
        {Action::Pick, 3},           {Action::Check, 1},          {Action::Pick, 2},
        {Action::Press, IDC_NOISE1}, {Action::Pick, 3},           {Action::Pick, 3},
        {Action::Press, IDC_END},    {Action::Press, IDC_NOISE1}, {Action::Press, IDC_NOISE1},
        {Action::Press, IDC_NOISE1}, {Action::Press, IDC_NOISE1}, {Action::Press, IDC_NOISE1},
        {Action::Press, IDC_NOISE1}, {Action::Press, IDC_BACK},
    };
    int step = 0;
    for (const Action& action : script) {
        for (ComposerDriver* each : {static_cast<ComposerDriver*>(&driver), static_cast<ComposerDriver*>(&model)}) {
            switch (action.kind) {
            case Action::Pick: each->PickRegion(action.argument); break;
            case Action::Check: each->CheckLength(action.argument); break;
            case Action::Press: each->Click(action.argument); break;
            }
        }
        ASSERT_EQ(Show(), model.Show()) << "after step " << step;
        ++step;
    }
}

TEST_F(ComposerDialogShell, TheDragIconIsTheDialogsIcon)
{
    const HICON icon = app.LoadIcon(IDI_COMPOSER);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(dialog.SendMessage(WM_QUERYDRAGICON), reinterpret_cast<LRESULT>(icon));
}

}  // namespace
