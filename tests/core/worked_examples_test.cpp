// The worked examples and edges of the three voices, driven as a user drives the dialog:
// check a radio position, click a button, read what the controls show.
#include "replay/dialog_model.h"
#include "pulsar/square1_channel.h"
#include "rustle/noise_channel.h"
#include "twinwave/square2_triangle.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Shown {
    std::string output;
    int count;
    int total;
};

std::string Field(const std::string& line, const std::string& name)
{
    const std::size_t start = line.find(name + "=") + name.size() + 1;
    return line.substr(start, line.find(' ', start) - start);
}

Shown Read(const DialogModel& dialog)
{
    const std::string line = dialog.Show();
    return {Field(line + " ", "output"), std::stoi(Field(line, "count")), std::stoi(Field(line, "total"))};
}

void Step(DialogModel& dialog, int radio, int button)
{
    if (radio >= 0)
        dialog.CheckLength(radio);
    ASSERT_TRUE(dialog.Click(button)) << button;
}

void ExpectShown(const DialogModel& dialog, const std::string& output, int count, int total)
{
    const Shown shown = Read(dialog);
    EXPECT_EQ(shown.output, output);
    EXPECT_EQ(shown.count, count);
    EXPECT_EQ(shown.total, total);
}

}  // namespace

TEST(NoiseComposer, WorkedExampleInRegionOne)
{
    DialogModel dialog(rustle::kProgram);
    dialog.PickRegion(1);
    Step(dialog, 0, 1020);
    ExpectShown(dialog, "50", 1, 3);
    Step(dialog, 7, 1023);
    ExpectShown(dialog, "5004", 2, 57);
    Step(dialog, 3, 1022);
    ExpectShown(dialog, "5004F1", 3, 69);
    Step(dialog, -1, 1025);
    ExpectShown(dialog, "5004F100", 4, 69);
    Step(dialog, -1, 1024);
    ExpectShown(dialog, "5004F1", 3, 69);
    Step(dialog, -1, 1024);
    ExpectShown(dialog, "5004", 2, 57);
}

TEST(NoiseComposer, SameButtonGivesTheByteOfTheRegionsGroup)
{
    DialogModel dialog(rustle::kProgram);
    Step(dialog, 0, 1023);  // region 0, group 4: "休" at length code 81
    ExpectShown(dialog, "44", 1, 2);
    dialog.PickRegion(4);  // group 1
    Step(dialog, 0, 1020);
    ExpectShown(dialog, "10", 1, 4);
    Step(dialog, 7, 1022);
    ExpectShown(dialog, "1031", 2, 68);
}

TEST(NoiseComposer, BudgetIsShownButNeverEnforced)
{
    DialogModel dialog(rustle::kProgram);
    dialog.PickRegion(3);  // budget 5
    for (int i = 0; i < 6; ++i)
        Step(dialog, -1, 1020);
    EXPECT_EQ(Field(dialog.Show(), "budget"), "5");
    ExpectShown(dialog, "505050505050", 6, 18);
}

TEST(SquareOneComposer, WorkedExampleInTheCastle)
{
    DialogModel dialog(pulsar::kProgram);
    dialog.PickRegion(12);
    Step(dialog, 1, 1030);
    ExpectShown(dialog, "14", 1, 5);
    Step(dialog, 0, 1030);
    ExpectShown(dialog, "14D5", 2, 7);
    Step(dialog, 7, 1055);
    ExpectShown(dialog, "14D505", 3, 87);
    Step(dialog, -1, 1027);
    ExpectShown(dialog, "14D505", 3, 87);
    Step(dialog, -1, 1057);
    ExpectShown(dialog, "14D50500", 4, 87);
    Step(dialog, -1, 1056);
    ExpectShown(dialog, "14D505", 3, 87);
}

TEST(SquareOneComposer, LoneDKeyHasTheSmallestCodeOfItsRow)
{
    DialogModel dialog(pulsar::kProgram);
    dialog.PickRegion(16);  // group 1: radio 0 is length code 80, radio 2 is 87
    Step(dialog, 0, 1054);
    Step(dialog, 2, 1054);
    Step(dialog, 0, 1052);
    Step(dialog, 2, 1052);
    ExpectShown(dialog, "02C33EFF", 4, 4 + 12 + 4 + 12);
}

TEST(SquareOneComposer, KeysWithoutANoteChangeNothing)
{
    DialogModel dialog(pulsar::kProgram);
    Step(dialog, 3, 1040);
    const std::string before = dialog.Show();
    for (int id : {1027, 1051, 1053}) {
        Step(dialog, -1, id);
        EXPECT_EQ(dialog.Show(), before) << id;
    }
    EXPECT_EQ(dialog.State().history.Top(), 1);
}

TEST(TwinwaveComposer, WorkedExampleWithLengthBytes)
{
    DialogModel dialog(twinwave::kProgram);
    Step(dialog, 0, 1020);
    ExpectShown(dialog, "8114", 2, 2);
    Step(dialog, 0, 1022);
    ExpectShown(dialog, "811418", 3, 4);
    Step(dialog, 3, 1063);
    ExpectShown(dialog, "8114188704", 5, 12);
    Step(dialog, -1, 1083);
    ExpectShown(dialog, "811418870400", 6, 12);
    Step(dialog, 3, 1020);  // after an end marker the length byte comes again
    ExpectShown(dialog, "8114188704008714", 8, 20);
    const std::pair<const char*, int> undone[] = {
        {"811418870400", 6}, {"8114188704", 5}, {"811418", 3}, {"8114", 2}, {"", 0}, {"", 0}};
    const int totals[] = {12, 12, 4, 2, 0, 0};
    for (std::size_t i = 0; i < std::size(undone); ++i) {
        Step(dialog, -1, 1081);
        ExpectShown(dialog, undone[i].first, undone[i].second, totals[i]);
    }
}

TEST(TwinwaveComposer, EndMarkerNeedsAnEntryAndASquareTwoRegion)
{
    DialogModel dialog(twinwave::kProgram);
    Step(dialog, -1, 1083);
    ExpectShown(dialog, "", 0, 0);
    Step(dialog, -1, 1012);
    Step(dialog, -1, 1083);
    Step(dialog, -1, 1083);
    ExpectShown(dialog, "81060000", 4, 2);
    Step(dialog, -1, 1081);
    ExpectShown(dialog, "810600", 3, 2);

    dialog.PickRegion(1);  // "TRI" alone
    Step(dialog, -1, 1012);
    Step(dialog, -1, 1083);
    ExpectShown(dialog, "8106", 2, 2);

    dialog.PickRegion(31);  // "SQ2・TRI"
    Step(dialog, -1, 1012);
    Step(dialog, -1, 1083);
    ExpectShown(dialog, "810600", 3, 3);
}

TEST(TwinwaveComposer, UndoRestoresTheLengthChangeState)
{
    DialogModel dialog(twinwave::kProgram);
    dialog.PickRegion(2);  // group 3
    Step(dialog, 2, 1012);
    Step(dialog, 5, 1013);
    Step(dialog, -1, 1081);
    Step(dialog, 2, 1013);
    ExpectShown(dialog, "820608", 3, 18);
}

TEST(TwinwaveComposer, FirstNoteCarriesTheLengthByteOfItsPosition)
{
    DialogModel dialog(twinwave::kProgram);
    dialog.PickRegion(2);  // group 3
    Step(dialog, 7, 1044);
    ExpectShown(dialog, "8064", 2, 54);
    dialog.PickRegion(4);
    Step(dialog, 0, 1041);
    Step(dialog, 0, 1042);
    ExpectShown(dialog, "81403E", 3, 6);
}

TEST(Composer, UndoSubtractsTheDurationOfTheEntrysOwnPosition)
{
    DialogModel dialog(rustle::kProgram);  // region 0, group 4
    Step(dialog, 0, 1020);
    dialog.CheckLength(6);
    Step(dialog, -1, 1024);
    ExpectShown(dialog, "", 0, 0);
}

TEST(Composer, UndoOnAnEmptyCompositionChangesNothing)
{
    for (const Program* program : {&rustle::kProgram, &pulsar::kProgram, &twinwave::kProgram}) {
        DialogModel dialog(*program);
        const std::string before = dialog.Show();
        EXPECT_TRUE(dialog.Click(program == &rustle::kProgram ? 1024 : program == &pulsar::kProgram ? 1056 : 1081));
        EXPECT_EQ(dialog.Show(), before) << program->name;
    }
}

TEST(Composer, RegionChangeResetsOnlyForAnotherRegion)
{
    DialogModel dialog(rustle::kProgram);
    Step(dialog, 2, 1021);
    const std::string composed = dialog.Show();
    dialog.PickRegion(0);
    EXPECT_EQ(dialog.Show(), composed) << "picking the current region keeps everything";
    dialog.PickRegion(4);
    EXPECT_EQ(dialog.Show(), "region=4 count=0 budget=8 durations=4,8,12,16,24,32,48,64 total=0 length=2 output=");
    dialog.PickRegion(0);
    EXPECT_EQ(Field(dialog.Show(), "count"), "0") << "coming back does not restore the composition";
}

TEST(Composer, RegionChangeWritesBackThePositionLastRead)
{
    DialogModel dialog(rustle::kProgram);
    dialog.CheckLength(3);
    dialog.PickRegion(2);
    EXPECT_EQ(Field(dialog.Show(), "length"), "0") << "jumps back to the position set up at start";

    dialog.CheckLength(3);
    Step(dialog, -1, 1020);
    dialog.CheckLength(5);
    dialog.PickRegion(1);
    EXPECT_EQ(Field(dialog.Show(), "length"), "3") << "the position the last append read";
}

// A refused edit reads no control, so the position it would have read is not the one a
// region change writes back.
TEST(Composer, RefusedEditsReadNoControl)
{
    DialogModel dialog(twinwave::kProgram);
    dialog.CheckLength(5);
    ASSERT_TRUE(dialog.Click(1081));  // "←" with nothing entered
    ASSERT_TRUE(dialog.Click(1083));  // "終" with nothing entered
    ASSERT_TRUE(dialog.Click(1004));  // a key captioned "x"
    dialog.PickRegion(3);
    EXPECT_EQ(Field(dialog.Show(), "length"), "0");
}

TEST(Composer, FullHistoryRefusesEventsAndEndBytesButTakesBack)
{
    struct Buttons {
        const Program* program;
        int note, back, end;
    };
    for (const Buttons b : {Buttons{&rustle::kProgram, 1020, 1024, 1025}, Buttons{&pulsar::kProgram, 1030, 1056, 1057},
                            Buttons{&twinwave::kProgram, 1012, 1081, 1083}}) {
        DialogModel dialog(*b.program);
        for (int i = 0; i < HistoryStack::kCapacity; ++i)
            Step(dialog, i % 2, i % 3 == 2 ? b.end : b.note);
        dialog.CheckLength(7);
        const std::string full = dialog.Show();
        Step(dialog, -1, b.note);
        Step(dialog, -1, b.end);
        EXPECT_EQ(dialog.Show(), full) << b.program->name;
        EXPECT_EQ(dialog.State().history.Top(), HistoryStack::kCapacity);

        Step(dialog, -1, b.back);
        Step(dialog, -1, b.note);
        EXPECT_EQ(dialog.State().history.Top(), HistoryStack::kCapacity);
        EXPECT_NE(dialog.Show(), full) << "the new note has length 7";
    }
}
