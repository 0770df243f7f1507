// rustle, the noise composer: its dialog as the shared tests see it, and what only it has
// (four sound buttons, a region list that takes typed text).
#include "rustle/composer_dlg.h"
#include "rustle/noise_channel.h"
#include "tests/programs/program_dialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

using namespace rustle;

namespace {

std::unique_ptr<CDialog> OpenDialog(ComposerState& state)
{
    return std::make_unique<CComposerDlg>(nullptr, state);
}

std::vector<ExpectedControl> Controls()
{
    std::vector<ExpectedControl> controls = {
        {1000, ControlKind::RegionList, "", {6, 6, 84, 60}},
        {1001, ControlKind::NumberBox, "", {93, 6, 12, 12}},
        {-1, ControlKind::Separator, "/", {106, 9, 8, 8}},
        {1002, ControlKind::NumberBox, "", {111, 6, 12, 12}},
    };
    for (int i = 0; i < 8; ++i) {
        controls.push_back({1012 + i, ControlKind::LengthRadio, "Radio1", {9 + 15 * i, 36, 9, 9}});
        controls.push_back({1003 + i, ControlKind::NumberBox, "", {6 + 15 * i, 24, 12, 12}});
    }
    const std::vector<ExpectedControl> rest = {
        {1011, ControlKind::NumberBox, "", {6, 48, 18, 12}},
        {1020, ControlKind::PushButton, "チ", {27, 48, 15, 12}},
        {1021, ControlKind::PushButton, "コッ", {45, 48, 15, 12}},
        {1022, ControlKind::PushButton, "チー", {63, 48, 15, 12}},
        {1023, ControlKind::PushButton, "休", {81, 48, 12, 12}},
        {1024, ControlKind::PushButton, "←", {96, 48, 12, 12}},
        {1025, ControlKind::PushButton, "終", {111, 48, 12, 12}},
        {1026, ControlKind::OutputBox, "", {6, 66, 117, 30}},
    };
    controls.insert(controls.end(), rest.begin(), rest.end());
    return controls;
}

}  // namespace

const ProgramUnderTest& UnderTest()
{
    static const ProgramUnderTest program{
        .name = "rustle",
        .program = kProgram,
        .open = &OpenDialog,
        .title = "Orvo (Noise)",
        .width = 129,
        .height = 103,
        .controlCount = 28,
        .controls = Controls(),
        .editableRegionList = true,
        .ids = {1000, 1001, 1002, 1003, 1011, 1012, 1026},
        .rest = 1023,
        .back = 1024,
        .end = 1025,
        .keysWithoutMeaning = {},
        .refusedWhenEmpty = {1024},
        .regionCount = 5,
        .firstLabel = "7A08-7A10：スター・雲",
        .lastLabel = "7DCA-7DD1：海",
        .another = {4, "7DCA-7DD1：海", 8, {4, 8, 12, 16, 24, 32, 48, 64}},
        .smallestBudgetRegion = 3,
        .startShow = "region=0 count=0 budget=9 durations=2,4,6,8,12,18,24,36 total=0 length=0 output=",
        .workedRegion = 1,
        .worked = {
            {"length 0\nclick 1020", "50", 1, 3},
            {"length 7\nclick 1023", "5004", 2, 57},
            {"length 3\nclick 1022", "5004F1", 3, 69},
            {"click 1025", "5004F100", 4, 69},
            {"click 1024", "5004F1", 3, 69},
            {"click 1024", "5004", 2, 57},
        },
    };
    return program;
}

namespace {

// The byte of a sound or the rest: bits 7..6 the low two bits of the length offset, bits
// 5..1 the button's event value, bit 0 bit 2 of the offset.
std::string Code(int lengthCode, int eventValue)
{
    const int offset = lengthCode - 80;
    return QString::asprintf("%02X", 64 * (offset % 4) + 2 * eventValue + offset / 4).toStdString();
}

TEST_F(ProgramDialog, EachSoundAndTheRestCodeTheirEventValueWithTheLengthOfTheCheckedRadio)
{
    struct Button {
        int id;
        int eventValue;
    };
    const Button buttons[] = {{1023, 2}, {1020, 8}, {1021, 16}, {1022, 24}};  // 休 チ コッ チー
    struct Region {
        int index;
        int lengthCodes[8];  // by radio position
    };
    const Region regions[] = {
        {0, {81, 83, 82, 87, 84, 85, 86, 80}},  // group 4
        {4, {80, 81, 87, 82, 85, 83, 86, 84}},  // group 1
    };
    for (const Region& region : regions) {
        driver->PickRegion(region.index);
        std::string expected;
        int total = 0;
        for (int position = 0; position < 8; ++position) {
            driver->CheckLength(position);
            const int duration = driver->Number(IDC_LEN0 + position);
            for (const Button& button : buttons) {
                ASSERT_TRUE(driver->Click(button.id));
                expected += Code(region.lengthCodes[position], button.eventValue);
                total += duration;
            }
        }
        EXPECT_EQ(driver->Output(), expected) << "region " << region.index;
        EXPECT_EQ(driver->Number(IDC_COUNT), 32);
        EXPECT_EQ(driver->Number(IDC_TOTAL), total);
    }
    // Two samples by hand: region 4 at radio 0 "チ" is 10, at radio 7 "チー" is 31.
    EXPECT_EQ(driver->Output().substr(2, 2), "10");
    EXPECT_EQ(driver->Output().substr(62, 2), "31");
}

TEST_F(ProgramDialog, UndoTakesBackTheDurationOfTheEntrysOwnLength)
{
    driver->CheckLength(7);
    ASSERT_TRUE(driver->Click(IDC_NOISE1));  // region 0, 36 long
    ASSERT_TRUE(driver->Click(IDC_END));
    driver->CheckLength(0);
    ASSERT_TRUE(driver->Click(IDC_BACK));  // the end marker: no duration
    EXPECT_EQ(driver->Number(IDC_TOTAL), 36);
    ASSERT_TRUE(driver->Click(IDC_BACK));
    EXPECT_EQ(driver->Number(IDC_TOTAL), 0);
    EXPECT_EQ(driver->Number(IDC_COUNT), 0);
    EXPECT_EQ(driver->Output(), "");
    ASSERT_TRUE(driver->Click(IDC_END));  // an end marker may come first
    EXPECT_EQ(driver->Output(), "00");
}

// The region list takes typed text, which nothing reads.
class TypedRegionText : public ProgramDialog {
protected:
    void SetUp() override
    {
        ProgramDialog::SetUp();
        ASSERT_TRUE(driver->Click(IDC_NOISE2));
        list = ControlWidget<QComboBox>(*dialog, IDC_REGION);
        ASSERT_NE(list->lineEdit(), nullptr);
    }

    void Type(const QString& text)
    {
        FocusControl(*dialog, IDC_REGION);
        PressKey(Qt::Key_A, Qt::ControlModifier);  // typing replaces the selected text
        TypeText(text);
        ASSERT_EQ(list->lineEdit()->text(), text);
    }

    // Everything but the list's own text.
    std::vector<std::string> Composition() const
    {
        std::vector<std::string> controls = Snapshot();
        controls.erase(controls.begin());
        return controls;
    }

    QComboBox* list = nullptr;
};

TEST_F(TypedRegionText, TypingAnotherLabelAndLeavingTheFieldChangesNeitherRegionNorComposition)
{
    const std::vector<std::string> before = Composition();
    Type(QStringLiteral("7DCA-7DD1：海"));
    PressKey(Qt::Key_Tab);
    EXPECT_FALSE(HasFocus(*dialog, IDC_REGION));
    EXPECT_EQ(list->currentIndex(), 0);
    EXPECT_EQ(list->count(), 5) << "typed text is never added";
    EXPECT_EQ(Composition(), before);

    // The next sound is still coded for region 0 (group 4: radio 0 is length code 81).
    ASSERT_TRUE(driver->Click(IDC_NOISE1));
    EXPECT_EQ(driver->Output(), "6050");
    EXPECT_EQ(driver->Number(IDC_BUDGET), 9);
}

TEST_F(TypedRegionText, EnterAfterTypingEndsWithOkWithoutARegionChange)
{
    const std::vector<std::string> before = Composition();
    Type(QStringLiteral("7BAF-7BB3：地上d1-d3"));  // exactly the label of region 3
    PressKey(Qt::Key_Return);
    EXPECT_EQ(dialog->EndedWith(), IDOK);
    EXPECT_EQ(list->currentIndex(), 0);
    EXPECT_EQ(Composition(), before);
}

TEST_F(TypedRegionText, AnyTextTypedAndClearedLeavesThePickedRegion)
{
    driver->PickRegion(2);
    ASSERT_TRUE(driver->Click(IDC_NOISE3));
    const std::vector<std::string> before = Composition();
    Type(QStringLiteral("zz"));
    PressKey(Qt::Key_Backspace);
    PressKey(Qt::Key_Backspace);
    ClickControl(*dialog, IDC_LENSEL0 + 1);  // the focus leaves by the mouse
    driver->CheckLength(0);
    EXPECT_EQ(list->currentIndex(), 2);
    EXPECT_EQ(Composition(), before);
    driver->PickRegion(2);  // picking the same item again keeps everything
    EXPECT_EQ(Composition(), before);
    EXPECT_EQ(list->currentText().toStdString(), "7B2A-7B34：地上c1・c2・i");
}

}  // namespace
