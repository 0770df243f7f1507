// Twinwave's length-change rules, worked through its channel: a length byte only where the
// radio position changes, undo of the one or two bytes an entry wrote, and the end byte
// only after an entry and only in the regions of square wave 2.
#include "twinwave/program.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

class LengthChange : public testing::Test {
protected:
    LengthChange() { Select(2); }  // duration group 3: radio 2 is length code 82, radio 5 is 85

    void Select(std::size_t region) { SelectRegion(state, twinwave::kRegions, static_cast<int>(region)); }
    // An entry made with radio position `position` checked; false when refused.
    bool Enter(Edit edit, int position = 0)
    {
        state.fields.lengthIndex = position;
        if (!channel.Accepts(state, edit))
            return false;
        channel.Apply(state, edit);
        return true;
    }
    bool Note(int position) { return Enter({EditKind::Event, 0x06}, position); }
    bool End() { return Enter({EditKind::EndMarker}); }
    std::tuple<std::string, int, int> Shown() const
    {
        return {state.outputText, state.fields.byteCount, state.fields.durationTotal};
    }

    const Channel& channel = twinwave::kProgram.channel;
    ComposerState state;
};

}  // namespace

TEST_F(LengthChange, LengthByteOnlyWhereThePositionChangesAndAfterAnEndByte)
{
    for (const int position : {2, 2, 5, 5, 2})
        Note(position);
    End();
    Note(2);
    EXPECT_EQ(Shown(), std::tuple("8206" "06" "8506" "06" "8206" "00" "8206", 11, 4 * 9 + 27 + 27));
}

TEST_F(LengthChange, UndoTakesBackWhatTheNewestEntryWrote)
{
    std::vector<std::tuple<std::string, int, int>> before;
    for (const int position : {2, 5, 5, -1, 5, 0}) {  // -1: the end byte
        before.push_back(Shown());
        ASSERT_TRUE(position < 0 ? End() : Note(position));
    }
    for (; !before.empty(); before.pop_back()) {
        ASSERT_TRUE(Enter({EditKind::Undo}, 7)) << "with another position checked";
        EXPECT_EQ(Shown(), before.back());
    }
    EXPECT_FALSE(Enter({EditKind::Undo})) << "nothing left to take back";

    Note(2);
    Note(5);
    Enter({EditKind::Undo});
    Note(2);
    EXPECT_EQ(state.outputText, "820606") << "after taking back, the entry below decides again";
}

TEST_F(LengthChange, EndByteOnlyAfterAnEntryInTheRegionsOfSquareWaveTwo)
{
    int squareTwo = 0;
    for (std::size_t r = 0; r < twinwave::kRegions.size(); ++r) {
        const std::string label = twinwave::kRegions[r].label;
        const std::string tag = label.substr(12, label.find("：", 12) - 12);
        EXPECT_TRUE(tag == "SQ2" || tag == "TRI" || tag == "SQ2・TRI") << label;
        Select(r);
        EXPECT_FALSE(End()) << label << ": nothing entered yet";
        Note(0);
        const bool allowed = tag.find("SQ2") != std::string::npos;
        EXPECT_EQ(End(), allowed) << label;
        EXPECT_EQ(End(), allowed) << label << ", a second in a row";
        squareTwo += allowed ? 1 : 0;
    }
    EXPECT_EQ(squareTwo, 20);
}
