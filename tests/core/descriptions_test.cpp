// The programs' descriptions checked against the rules they follow, not against copies of them.
#include "pulsar/program.h"
#include "rustle/program.h"
#include "twinwave/program.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

const Program* const kPrograms[] = {&rustle::kProgram, &pulsar::kProgram, &twinwave::kProgram};

// The five-bit event value behind an event index: the rest 2, the keys 3..31, and 1 for
// the lone "d" at the right end of pulsar's keyboard.
int PulsarEventValue(int index)
{
    return index == 30 ? 1 : index + 2;
}

// Bits 7..6 the low two bits of s = length code - 80, bits 5..1 the event value, bit 0 bit 2 of s.
void ExpectRowsFollowTheBitLayout(const EventCodeRows& rows, int events, int (*eventValue)(int index))
{
    for (int s = 0; s < 8; ++s) {
        std::string row;
        for (int k = 0; k < events; ++k) {
            char code[3];
            std::snprintf(code, sizeof code, "%02X", ((s & 3) << 6) | (eventValue(k) << 1) | (s >> 2));
            row += code;
        }
        EXPECT_EQ(rows[static_cast<std::size_t>(s)], row) << "length code " << 80 + s;
    }
}

// "7A08-7A10：..." -> {0x7A08, 0x7A10}
std::pair<int, int> AddressSpan(const std::string& label)
{
    EXPECT_EQ(label.substr(4, 1) + label.substr(9, 3), "-：") << label;
    return {std::stoi(label.substr(0, 4), nullptr, 16), std::stoi(label.substr(5, 4), nullptr, 16)};
}

}  // namespace

TEST(CodeRows, EveryCodeFollowsTheBitLayout)
{
    ExpectRowsFollowTheBitLayout(rustle::kCodeRows, 4, [](int k) { return k == 0 ? 2 : 8 * k; });  // "休", "チ", "コッ", "チー"
    ExpectRowsFollowTheBitLayout(pulsar::kCodeRows, 31, &PulsarEventValue);
}

// A song keeps its tempo: its name has one duration group in every program and voice.
TEST(Catalogues, BudgetsAreAddressSpansInListOrderAndEachSongHasOneGroup)
{
    std::map<std::string, int> groupOfSong;
    for (const Program* program : kPrograms) {
        std::string previous;
        for (const RegionEntry& region : program->channel.Catalogue()) {
            const auto [first, last] = AddressSpan(region.label);
            EXPECT_EQ(region.byteBudget, last - first + 1) << region.label;
            const std::string label = region.label, song = label.substr(label.rfind("：") + 3);
            EXPECT_EQ(groupOfSong.emplace(song, region.durationGroup).first->second, region.durationGroup) << region.label;
            EXPECT_TRUE(region.durationGroup >= 0 && region.durationGroup <= 4) << region.label << ": group 5 is unused";
            EXPECT_LT(previous, region.label) << "the sorting list keeps the catalogue's order";
            previous = region.label;
        }
    }
}

TEST(Catalogues, TheThreeProgramsCoverTheMusicDataOnce)
{
    std::map<int, std::string> owner;
    for (const Program* program : kPrograms) {
        for (const RegionEntry& region : program->channel.Catalogue()) {
            const auto [first, last] = AddressSpan(region.label);
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

TEST(ButtonEdit, EachKindOfButton)
{
    for (const Program* program : kPrograms) {
        const ComposerControlIds& ids = program->ids;
        const int rest = program == &twinwave::kProgram ? 0x04 : 0;  // a note byte, or the event index 0
        EXPECT_EQ(ButtonEdit(*program, ids.rest), (Edit{EditKind::Event, rest})) << program->name;
        EXPECT_EQ(ButtonEdit(*program, ids.back), Edit{EditKind::Undo}) << program->name;
        EXPECT_EQ(ButtonEdit(*program, ids.end), Edit{EditKind::EndMarker}) << program->name;
        for (const Key& key : program->keys)
            EXPECT_EQ(ButtonEdit(*program, key.controlId), (key.value == kNoEvent ? Edit{} : Edit{EditKind::Event, key.value}));
        for (const int id : {0, 999, ids.regionList, ids.count, ids.firstDuration, ids.firstLength + 7, ids.output})
            EXPECT_FALSE(ButtonEdit(*program, id)) << program->name << ": " << id << " is no push button";
    }
}
