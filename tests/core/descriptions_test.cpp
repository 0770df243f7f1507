// The programs' descriptions checked against the rules they follow, not against copies of them.
#include "tests/core/all_programs.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>

namespace {

// The five-bit event value behind an event index: the rest 2, the keys 3..31, and 1 for
// the lone "d" at the right end of pulsar's keyboard.
int PulsarEventValue(int index)
{
    return index == 30 ? 1 : index + 2;
}

// "7A08-7A10：..." -> {0x7A08, 0x7A10}
std::pair<int, int> AddressSpan(const std::string& label)
{
    EXPECT_EQ(label.substr(4, 1) + label.substr(9, 3), "-：") << label;
    return {std::stoi(label.substr(0, 4), nullptr, 16), std::stoi(label.substr(5, 4), nullptr, 16)};
}

}  // namespace

// A region's budget is its address span; each program lists its regions in the order of
// their labels' bytes, the order of its sorted region list, so that item i is region i.
TEST(Catalogues, TheThreeProgramsCoverTheMusicDataOnceInLabelOrderAndEachSongHasOneGroup)
{
    std::map<int, std::string> owner;
    std::map<std::string, int> groupOfSong;
    for (const Program* program : kPrograms) {
        std::string previous;
        for (const RegionEntry& region : program->channel.Catalogue()) {
            const auto [first, last] = AddressSpan(region.label);
            const std::string label = region.label, song = label.substr(label.rfind("：") + 3);
            EXPECT_LT(std::exchange(previous, label), label);
            EXPECT_EQ(region.byteBudget, last - first + 1) << label;
            EXPECT_EQ(groupOfSong.emplace(song, region.durationGroup).first->second, region.durationGroup) << label;
            EXPECT_TRUE(region.durationGroup >= 0 && region.durationGroup <= 4) << label << ": group 5 is unused";
            for (int address = first; address <= last; ++address)
                EXPECT_TRUE(owner.emplace(address, region.label).second) << std::hex << address << " twice, in " << region.label;
        }
    }
    ASSERT_FALSE(owner.empty());
    EXPECT_EQ(owner.begin()->first, 0x79C8);
    EXPECT_EQ(owner.rbegin()->first, 0x7F0C);
    EXPECT_EQ(owner.size(), std::size_t{0x7F0C - 0x79C8 + 1}) << "no gap";
}

// Both keyboards play the same piano keys: pulsar's starts at twinwave's second E, nine keys
// in, and its lone "d" is twinwave's top D.
TEST(Keyboards, TwinwavesNoteByteIsTwicePulsarsEventValueForEveryKeyBothPlay)
{
    int shared = 0;
    for (std::size_t i = 0; i < pulsar::kKeys.size(); ++i) {
        const Key& key = pulsar::kKeys[i];
        const Key& twin = i + 1 == pulsar::kKeys.size() ? twinwave::kKeys[55] : twinwave::kKeys[i + 9];
        EXPECT_EQ(std::string(twin.name), key.name) << key.controlId << " ~ " << twin.controlId;
        if (key.value != kNoEvent && twin.value != kNoEvent) {
            EXPECT_EQ(twin.value, 2 * PulsarEventValue(key.value)) << key.controlId << " ~ " << twin.controlId;
            ++shared;
        }
    }
    EXPECT_EQ(shared, 30);
    EXPECT_EQ(twinwave::kProgram.restValue, 2 * PulsarEventValue(pulsar::kProgram.restValue));
}
