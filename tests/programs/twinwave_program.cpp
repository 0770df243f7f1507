// twinwave, the square-wave-2 and triangle composer: its dialog as the shared tests see it,
// its 60-key keyboard, and the length-change rule and end marker as they show on screen.
#include "pulsar/square1_channel.h"
#include "tests/programs/piano_keyboard.h"
#include "tests/programs/program_dialog.h"
#include "twinwave/composer_dlg.h"
#include "twinwave/square2_triangle.h"

#include <QComboBox>
#include <QPushButton>

#include <algorithm>
#include <map>
#include <set>

using namespace twinwave;

namespace {

constexpr int kKeysWithoutMeaning[] = {1004, 1005, 1006, 1007, 1009, 1050, 1053, 1055, 1057, 1059, 1061};

// The note byte of every playing key, left to right (ids 1003..1062 without the "x" keys).
constexpr const char* kNoteBytes =
    "5A5C5E60" "06080A0C0E6210121416181A1C1E"
    "20222426282A2C2E30323436383A3C403E42"
    "6446484A444C4E50525402" "5658";

std::unique_ptr<CDialog> OpenDialog(ComposerState& state)
{
    return std::make_unique<CComposerDlg>(nullptr, state);
}

// Thirty-six white keys from G to G on the piano pattern, with no black key between the
// last two, where the rest button stands instead.
std::vector<PianoKey> Keyboard()
{
    return PianoKeyboard(1003, 36, 'G', [](int white) { return white == 34; });
}

bool WithoutMeaning(int id)
{
    return std::ranges::find(kKeysWithoutMeaning, id) != std::end(kKeysWithoutMeaning);
}

std::string CaptionOf(const PianoKey& key)
{
    if (WithoutMeaning(key.id))
        return "x";
    return !key.black && key.note == 'C' ? "c" : "";
}

std::vector<ExpectedControl> Controls()
{
    std::vector<ExpectedControl> controls = {
        {1000, ControlKind::RegionList, "", {6, 6, 111, 99}},
        {1001, ControlKind::NumberBox, "", {120, 6, 15, 12}},
        {-1, ControlKind::Separator, "/", {136, 9, 8, 9}},
        {1002, ControlKind::NumberBox, "", {141, 6, 15, 12}},
    };
    for (int i = 0; i < 8; ++i) {
        controls.push_back({1072 + i, ControlKind::LengthRadio, "Radio1", {162 + 15 * i, 18, 9, 9}});
        controls.push_back({1064 + i, ControlKind::NumberBox, "", {159 + 15 * i, 6, 12, 12}});
    }
    controls.push_back({1080, ControlKind::NumberBox, "", {279, 6, 18, 12}});
    controls.push_back({1081, ControlKind::PushButton, "←", {300, 6, 12, 12}});
    controls.push_back({1083, ControlKind::PushButton, "終", {315, 6, 12, 12}});
    for (const PianoKey& key : Keyboard())
        controls.push_back({key.id, ControlKind::PushButton, CaptionOf(key), {key.x, key.black ? 27 : 48, 6, 18}});
    controls.push_back({1063, ControlKind::PushButton, "休", {309, 30, 12, 12}});
    controls.push_back({1082, ControlKind::OutputBox, "", {6, 72, 321, 30}});
    return controls;
}

std::vector<int> PlayingKeys()
{
    std::vector<int> ids;
    for (const PianoKey& key : Keyboard()) {
        if (!WithoutMeaning(key.id))
            ids.push_back(key.id);
    }
    return ids;
}

}  // namespace

const ProgramUnderTest& UnderTest()
{
    static const ProgramUnderTest program{
        .name = "twinwave",
        .program = kProgram,
        .open = &OpenDialog,
        .title = "Orvo (Square Wave 2 & Triangle Wave)",
        .width = 333,
        .height = 109,
        .controlCount = 85,
        .controls = Controls(),
        .editableRegionList = false,
        .ids = {1000, 1001, 1002, 1064, 1080, 1072, 1082},
        .rest = 1063,
        .back = 1081,
        .end = 1083,
        .keysWithoutMeaning = {std::begin(kKeysWithoutMeaning), std::end(kKeysWithoutMeaning)},
        .refusedWhenEmpty = [] {
            std::vector<int> refused = {1081, 1083};  // "←" and "終"
            refused.insert(refused.end(), std::begin(kKeysWithoutMeaning), std::end(kKeysWithoutMeaning));
            return refused;
        }(),
        .regionCount = 38,
        .firstLabel = "79C8-79E1：SQ2：スター・雲",
        .lastLabel = "7EFC-7F0C：TRI：メロネ姫",
        .another = {32, "7D62-7DC9：SQ2：海", 104, {4, 8, 12, 16, 24, 32, 48, 64}},
        .smallestBudgetRegion = 19,
        .startShow = "region=0 count=0 budget=26 durations=2,4,6,8,12,18,24,36 total=0 length=0 output=",
        .workedRegion = 0,
        .worked = {
            {"length 0\nclick 1020", "8114", 2, 2},
            {"length 0\nclick 1022", "811418", 3, 4},
            {"length 3\nclick 1063", "8114188704", 5, 12},
            {"click 1083", "811418870400", 6, 12},
            {"length 3\nclick 1020", "8114188704008714", 8, 20},
            {"click 1081", "811418870400", 6, 12},
            {"click 1081", "8114188704", 5, 12},
            {"click 1081", "811418", 3, 4},
            {"click 1081", "8114", 2, 2},
            {"click 1081", "", 0, 0},
            {"click 1081", "", 0, 0},
        },
    };
    return program;
}

namespace {

TEST(TwinwaveKeyTable, TheChannelsKeysAreTheKeyboardsKeys)
{
    const std::vector<PianoKey> keyboard = Keyboard();
    ASSERT_EQ(keyboard.size(), kNoteKeys.size());
    for (std::size_t i = 0; i < kNoteKeys.size(); ++i) {
        SCOPED_TRACE("key " + std::to_string(kNoteKeys[i].controlId));
        EXPECT_EQ(kNoteKeys[i].controlId, keyboard[i].id);
        EXPECT_EQ(kNoteKeys[i].row == KeyRow::Upper, keyboard[i].black);
        EXPECT_EQ(kNoteKeys[i].x, keyboard[i].x);
        EXPECT_EQ(kNoteKeys[i].caption, CaptionOf(keyboard[i]));
        EXPECT_EQ(kNoteKeys[i].noteByte == kNoNote, WithoutMeaning(keyboard[i].id));
    }
}

TEST(TwinwaveKeyTable, TheNoteBytesAndTheRestAreTheFiftyEvenBytesAndTwiceSquareOnesValues)
{
    const std::string bytes = std::string(kNoteBytes) + "04";
    ASSERT_EQ(bytes.size(), 100U);
    std::set<int> values;
    for (std::size_t i = 0; i < bytes.size(); i += 2)
        values.insert(std::stoi(bytes.substr(i, 2), nullptr, 16));
    std::set<int> even;
    for (int value = 0x02; value <= 0x64; value += 2)
        even.insert(value);
    EXPECT_EQ(values, even);

    // A key of square 1's keyboard on the 9-unit pitch stands five white keys further left
    // than the same piano key here; where both play, the note byte is twice square 1's value.
    std::map<int, int> noteByteAt;  // by x
    std::size_t next = 0;
    for (const PianoKey& key : Keyboard()) {
        if (!WithoutMeaning(key.id))
            noteByteAt[key.x] = std::stoi(bytes.substr(2 * next++, 2), nullptr, 16);
    }
    int shared = 0;
    for (const pulsar::Key& key : pulsar::kKeys) {
        if (key.eventIndex == pulsar::kNoEvent || key.x == 180)
            continue;
        const auto here = noteByteAt.find(key.x + 5 * 9);
        if (here == noteByteAt.end())
            continue;
        EXPECT_EQ(here->second, 2 * (key.eventIndex + 2)) << "square 1 key " << key.controlId;
        ++shared;
    }
    EXPECT_EQ(shared, 29);
}

TEST_F(ProgramDialog, EveryPlayingKeyAndTheRestAppendTheirNoteByteAfterOneLengthByte)
{
    const std::vector<int> playing = PlayingKeys();
    ASSERT_EQ(playing.size(), 49U);
    for (std::size_t i = 0; i < playing.size(); ++i) {
        ASSERT_TRUE(driver->Click(playing[i]));
        EXPECT_EQ(driver->Number(IDC_COUNT), static_cast<int>(i) + 2) << "key " << playing[i];
    }
    ASSERT_TRUE(driver->Click(IDC_REST));
    EXPECT_EQ(driver->Output(), std::string("81") + kNoteBytes + "04");
    EXPECT_EQ(driver->Number(IDC_TOTAL), 50 * 2);

    driver->CheckLength(7);  // group 4, length code 80
    ASSERT_TRUE(driver->Click(1044));
    ASSERT_TRUE(driver->Click(1041));
    ASSERT_TRUE(driver->Click(1042));
    EXPECT_EQ(driver->Output().substr(2 + 100), "8064" "40" "3E");
    EXPECT_EQ(driver->Number(IDC_COUNT), 51 + 4);
    EXPECT_EQ(driver->Number(IDC_TOTAL), 100 + 3 * 36);
}

TEST_F(ProgramDialog, TheEndMarkerWorksOnlyAfterAnEntryAndOnlyInRegionsTaggedSquare2)
{
    QComboBox* list = ControlWidget<QComboBox>(*dialog, IDC_REGION);
    int accepting = 0;
    for (int i = 0; i < list->count(); ++i) {
        const std::string label = list->itemText(i).toStdString();
        SCOPED_TRACE(label);
        driver->PickRegion(i);
        const std::vector<std::string> empty = Snapshot();
        ASSERT_TRUE(driver->Click(IDC_END));
        EXPECT_EQ(Snapshot(), empty) << "never as the first entry";
        ASSERT_TRUE(driver->Click(1020));
        const std::vector<std::string> oneNote = Snapshot();
        ASSERT_TRUE(driver->Click(IDC_END));
        const bool square2 = label.find("：SQ2") != std::string::npos;
        if (square2) {
            ++accepting;
            EXPECT_EQ(driver->Output().size(), 6U);  // length byte, note byte, "00"
            EXPECT_EQ(driver->Output().substr(4), "00");
            EXPECT_EQ(driver->Number(IDC_COUNT), 3);
        } else {
            EXPECT_EQ(Snapshot(), oneNote);
        }
    }
    EXPECT_EQ(accepting, 20);
}

TEST_F(ProgramDialog, ARefusedEndMarkerInATriangleRegionReadsNoControl)
{
    driver->PickRegion(1);  // "79F6-7A07：TRI：スター・雲"
    ASSERT_TRUE(driver->Click(1020));
    driver->CheckLength(4);
    const std::vector<std::string> before = Snapshot();
    ASSERT_TRUE(driver->Click(IDC_END));
    EXPECT_EQ(Snapshot(), before);
    driver->PickRegion(31);  // "7D21-7D61：SQ2・TRI：地下" takes it
    EXPECT_EQ(driver->CheckedLength(), 0);
    ASSERT_TRUE(driver->Click(1020));
    ASSERT_TRUE(driver->Click(IDC_END));
    ASSERT_TRUE(driver->Click(IDC_END));
    EXPECT_EQ(driver->Output(), "8114" "0000");
    EXPECT_EQ(driver->Number(IDC_COUNT), 4);
    ASSERT_TRUE(driver->Click(IDC_BACK));
    EXPECT_EQ(driver->Output(), "811400");
}

TEST_F(ProgramDialog, ALengthByteComesWithEveryChangeOfRadioAndUndoRestoresTheComparison)
{
    driver->PickRegion(2);  // group 3: radio 2 is length code 82 (9 long), radio 5 is 85 (27)
    driver->CheckLength(2);
    ASSERT_TRUE(driver->Click(1020));
    driver->CheckLength(5);
    ASSERT_TRUE(driver->Click(1022));
    EXPECT_EQ(driver->Output(), "8214" "8518");
    driver->CheckLength(0);  // undo takes back the note's own duration, 27
    ASSERT_TRUE(driver->Click(IDC_BACK));
    EXPECT_EQ(driver->Number(IDC_TOTAL), 9);
    EXPECT_EQ(driver->Number(IDC_COUNT), 2);
    driver->CheckLength(2);
    ASSERT_TRUE(driver->Click(1022));
    EXPECT_EQ(driver->Output(), "8214" "18");
    EXPECT_EQ(driver->Number(IDC_COUNT), 3);
    EXPECT_EQ(driver->Number(IDC_TOTAL), 18);
}

}  // namespace
