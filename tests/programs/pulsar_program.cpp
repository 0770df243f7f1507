// pulsar, the square-wave-1 composer: its dialog as the shared tests see it, and its
// piano keyboard of 33 keys.
#include "pulsar/composer_dlg.h"
#include "pulsar/square1_channel.h"
#include "tests/programs/piano_keyboard.h"
#include "tests/programs/program_dialog.h"

#include <QPushButton>

#include <algorithm>
#include <set>

using namespace pulsar;

namespace {

constexpr int kKeysWithoutMeaning[] = {1027, 1051, 1053};

std::unique_ptr<CDialog> OpenDialog(ComposerState& state)
{
    return std::make_unique<CComposerDlg>(nullptr, state);
}

// The keyboard: nineteen white keys from E on the piano pattern, black keys above them,
// and the lone "d" key at x = 180 at the right end of the white row.
std::vector<PianoKey> Keyboard()
{
    std::vector<PianoKey> keys = PianoKeyboard(1022, 19, 'E');
    keys.push_back({keys.back().id + 1, false, 180, 'D'});
    return keys;
}

std::string CaptionOf(const PianoKey& key)
{
    if (std::ranges::find(kKeysWithoutMeaning, key.id) != std::end(kKeysWithoutMeaning))
        return "x";
    if (key.x == 180)
        return "d";
    return !key.black && key.note == 'C' ? "c" : "";
}

std::vector<ExpectedControl> Controls()
{
    std::vector<ExpectedControl> controls = {
        {1000, ControlKind::RegionList, "", {6, 6, 138, 99}},
        {1001, ControlKind::NumberBox, "", {150, 6, 15, 12}},
        {-1, ControlKind::Separator, "/", {166, 9, 8, 8}},
        {1002, ControlKind::NumberBox, "", {171, 6, 15, 12}},
    };
    for (int i = 0; i < 8; ++i) {
        controls.push_back({1013 + i, ControlKind::LengthRadio, "Radio1", {9 + 15 * i, 36, 9, 9}});
        controls.push_back({1003 + i, ControlKind::NumberBox, "", {6 + 15 * i, 24, 12, 12}});
    }
    controls.push_back({1012, ControlKind::NumberBox, "", {129, 24, 21, 12}});
    controls.push_back({1056, ControlKind::PushButton, "←", {156, 24, 12, 12}});
    controls.push_back({1057, ControlKind::PushButton, "変", {174, 24, 12, 12}});
    for (const PianoKey& key : Keyboard())
        controls.push_back({key.id, ControlKind::PushButton, CaptionOf(key), {key.x, key.black ? 45 : 66, 6, 18}});
    controls.push_back({1055, ControlKind::PushButton, "休", {174, 48, 12, 12}});
    controls.push_back({1058, ControlKind::OutputBox, "", {6, 90, 180, 30}});
    return controls;
}

}  // namespace

const ProgramUnderTest& UnderTest()
{
    static const ProgramUnderTest program{
        .name = "pulsar",
        .program = kProgram,
        .open = &OpenDialog,
        .title = "Orvo (Square Wave 1)",
        .width = 191,
        .height = 127,
        .controlCount = 58,
        .controls = Controls(),
        .editableRegionList = false,
        .ids = {1000, 1001, 1002, 1003, 1012, 1013, 1058},
        .rest = 1055,
        .back = 1056,
        .end = 1057,
        .keysWithoutMeaning = {std::begin(kKeysWithoutMeaning), std::end(kKeysWithoutMeaning)},
        .refusedWhenEmpty = {1056, 1027, 1051, 1053},
        .regionCount = 19,
        .firstLabel = "79E2-79F5：スター・雲",
        .lastLabel = "7EEC-7EFB：メロネ姫",
        .another = {12, "7C16-7C46：城", 49, {2, 5, 10, 20, 30, 40, 60, 80}},
        .smallestBudgetRegion = 10,
        .startShow = "region=0 count=0 budget=20 durations=2,4,6,8,12,18,24,36 total=0 length=0 output=",
        .workedRegion = 12,
        .worked = {
            {"length 1\nclick 1030", "14", 1, 5},
            {"length 0\nclick 1030", "14D5", 2, 7},
            {"length 7\nclick 1055", "14D505", 3, 87},
            {"click 1027", "14D505", 3, 87},
            {"click 1057", "14D50500", 4, 87},
            {"click 1056", "14D505", 3, 87},
        },
    };
    return program;
}

namespace {

TEST(PulsarKeyTable, TheChannelsKeysAreTheKeyboardsKeysWithEventsInAscendingIdOrder)
{
    const std::vector<PianoKey> keyboard = Keyboard();
    ASSERT_EQ(keyboard.size(), kKeys.size());
    int nextEvent = 1;
    for (std::size_t i = 0; i < kKeys.size(); ++i) {
        SCOPED_TRACE("key " + std::to_string(kKeys[i].controlId));
        EXPECT_EQ(kKeys[i].controlId, keyboard[i].id);
        EXPECT_EQ(kKeys[i].row == KeyRow::Black, keyboard[i].black);
        EXPECT_EQ(kKeys[i].x, keyboard[i].x);
        EXPECT_EQ(kKeys[i].caption, CaptionOf(keyboard[i]));
        const int expectedEvent = CaptionOf(keyboard[i]) == "x" ? kNoEvent : nextEvent++;
        EXPECT_EQ(kKeys[i].eventIndex, expectedEvent);
    }
    EXPECT_EQ(nextEvent, 31);
}

// The byte of event index k (0 the rest, 1..30 the keys): bits 7..6 the low two bits of
// the length offset, bits 5..1 the event value (k + 2, but 1 for the last key), bit 0
// bit 2 of the offset.
std::string Code(int lengthCode, int eventIndex)
{
    const int offset = lengthCode - 80;
    const int value = eventIndex == 30 ? 1 : eventIndex + 2;
    return QString::asprintf("%02X", 64 * (offset % 4) + 2 * value + offset / 4).toStdString();
}

TEST_F(ProgramDialog, EveryPlayingKeyFromLeftToRightAndTheRestCodeTheirEventIndexAtEveryLength)
{
    const int lengthCodes[] = {81, 83, 82, 87, 84, 85, 86, 80};  // region 0, group 4
    std::vector<int> playing;
    for (const PianoKey& key : Keyboard()) {
        if (CaptionOf(key) != "x")
            playing.push_back(key.id);
    }
    ASSERT_EQ(playing.size(), 30U);
    int total = 0;
    for (int position = 0; position < 8; ++position) {
        driver->CheckLength(position);
        const int duration = driver->Number(IDC_LEN0 + position);
        std::string expected = Code(lengthCodes[position], 0);
        ASSERT_TRUE(driver->Click(IDC_REST));
        for (std::size_t k = 0; k < playing.size(); ++k) {
            ASSERT_TRUE(driver->Click(playing[k]));
            expected += Code(lengthCodes[position], static_cast<int>(k) + 1);
        }
        total += 31 * duration;
        const std::string output = driver->Output();
        ASSERT_GE(output.size(), expected.size());
        EXPECT_EQ(output.substr(output.size() - expected.size()), expected) << "radio " << position;
        std::set<std::string> distinct;
        for (std::size_t i = 0; i < expected.size(); i += 2)
            distinct.insert(expected.substr(i, 2));
        EXPECT_EQ(distinct.size(), 31U);
    }
    EXPECT_EQ(driver->Number(IDC_COUNT), 8 * 31);
    EXPECT_EQ(driver->Number(IDC_TOTAL), total);
    EXPECT_EQ(driver->Output().substr(0, 2), "44");  // the rest at length code 81
}

TEST_F(ProgramDialog, TheLoneDKeyAndKey1052AtTheShortestAndLongestCodes)
{
    driver->PickRegion(12);  // group 0: radio 1 is length code 80, radio 0 is 87
    driver->CheckLength(1);
    ASSERT_TRUE(driver->Click(1054));
    ASSERT_TRUE(driver->Click(1052));
    driver->CheckLength(0);
    ASSERT_TRUE(driver->Click(1054));
    ASSERT_TRUE(driver->Click(1052));
    EXPECT_EQ(driver->Output(), "023EC3FF");
    EXPECT_EQ(driver->Number(IDC_TOTAL), 5 + 5 + 2 + 2);
}

TEST_F(ProgramDialog, InARegionOfGroupThreeTheLongestLengthIsCode80)
{
    driver->PickRegion(1);
    driver->CheckLength(7);
    ASSERT_TRUE(driver->Click(1022));
    ASSERT_TRUE(driver->Click(IDC_REST));
    EXPECT_EQ(driver->Output(), "0604");
    EXPECT_EQ(driver->Number(IDC_TOTAL), 108);
}

}  // namespace
