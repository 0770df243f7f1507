// The constant tables checked against the rules they follow, not against copies of them.
#include "core/duration_groups.h"
#include "pulsar/square1_channel.h"
#include "rustle/noise_channel.h"
#include "twinwave/square2_triangle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

// Every code: bits 7..6 the low two bits of the length offset, bits 5..1 the event value,
// bit 0 bit 2 of the length offset.
int CodeByBitLayout(int lengthCode, int eventValue)
{
    const int s = lengthCode - 80;
    return ((s & 3) << 6) | (eventValue << 1) | (s >> 2);
}

int CodeAt(const EventCodeRows& rows, int lengthCode, int eventIndex)
{
    const EventCodeRow row = rows[static_cast<std::size_t>(lengthCode - 80)];
    return std::stoi(std::string(row.substr(2 * static_cast<std::size_t>(eventIndex), 2)), nullptr, 16);
}

bool IsUpperHex(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); });
}

void ExpectRowsFollowBitLayout(const EventCodeRows& rows, const std::vector<int>& eventValues)
{
    for (int code = 80; code <= 87; ++code) {
        const EventCodeRow row = rows[static_cast<std::size_t>(code - 80)];
        ASSERT_EQ(row.size(), 2 * eventValues.size()) << "length code " << code;
        EXPECT_TRUE(IsUpperHex(row)) << row;
        std::set<int> distinct;
        for (std::size_t k = 0; k < eventValues.size(); ++k) {
            const int byte = CodeAt(rows, code, static_cast<int>(k));
            EXPECT_EQ(byte, CodeByBitLayout(code, eventValues[k])) << "length code " << code << " event " << k;
            EXPECT_EQ(byte % 2, code >= 84 ? 1 : 0) << "odd exactly for length codes 84..87";
            distinct.insert(byte);
        }
        EXPECT_EQ(distinct.size(), eventValues.size()) << "length code " << code;
    }
}

struct Span {
    int first;
    int last;
};

// "7A08-7A10：..." -> {0x7A08, 0x7A10}
Span AddressSpan(const std::string& label)
{
    EXPECT_EQ(label[4], '-') << label;
    EXPECT_TRUE(IsUpperHex(label.substr(0, 4)) && IsUpperHex(label.substr(5, 4))) << label;
    EXPECT_EQ(label.substr(9, 3), "：") << label;
    return {std::stoi(label.substr(0, 4), nullptr, 16), std::stoi(label.substr(5, 4), nullptr, 16)};
}

void ExpectBudgetsAreAddressSpansInAscendingOrder(RegionCatalogue regions)
{
    for (std::size_t i = 0; i < regions.size(); ++i) {
        const Span span = AddressSpan(regions[i].label);
        EXPECT_EQ(regions[i].byteBudget, span.last - span.first + 1) << regions[i].label;
        EXPECT_GE(regions[i].durationGroup, 0);
        EXPECT_LE(regions[i].durationGroup, 4) << "group 5 is used by no region";
        if (i > 0) {
            EXPECT_LT(std::string(regions[i - 1].label), std::string(regions[i].label)) << "a sorted list keeps catalogue order";
        }
    }
}

}  // namespace

TEST(CodeRows, NoiseRowsFollowTheBitLayout)
{
    // rest, "チ", "コッ", "チー"
    ExpectRowsFollowBitLayout(rustle::kCodeRows, {2, 8, 16, 24});
    EXPECT_EQ(CodeAt(rustle::kCodeRows, 85, rustle::kNoise1Event), 0x51);
}

TEST(CodeRows, SquareOneRowsFollowTheBitLayout)
{
    std::vector<int> values;
    for (int k = 0; k < 30; ++k)
        values.push_back(k + 2);  // the rest 2, the keys 3..31
    values.push_back(1);          // the lone "d" key
    ExpectRowsFollowBitLayout(pulsar::kCodeRows, values);
}

TEST(Catalogues, BudgetsAreTheLabelsAddressSpans)
{
    ExpectBudgetsAreAddressSpansInAscendingOrder(rustle::kRegions);
    ExpectBudgetsAreAddressSpansInAscendingOrder(pulsar::kRegions);
    ExpectBudgetsAreAddressSpansInAscendingOrder(twinwave::kRegions);
}

TEST(Catalogues, TheThreeToolsCoverTheMusicDataOnceEach)
{
    std::map<int, std::string> owner;
    for (RegionCatalogue regions : {RegionCatalogue(rustle::kRegions), RegionCatalogue(pulsar::kRegions),
                                    RegionCatalogue(twinwave::kRegions)}) {
        for (const RegionEntry& region : regions) {
            const Span span = AddressSpan(region.label);
            for (int address = span.first; address <= span.last; ++address) {
                const auto [it, added] = owner.emplace(address, region.label);
                EXPECT_TRUE(added) << std::hex << address << " in " << region.label << " and " << it->second;
            }
        }
    }
    ASSERT_FALSE(owner.empty());
    EXPECT_EQ(owner.begin()->first, 0x79C8);
    EXPECT_EQ(owner.rbegin()->first, 0x7F0C);
    EXPECT_EQ(owner.size(), static_cast<std::size_t>(0x7F0C - 0x79C8 + 1)) << "no gap";
}

TEST(Catalogues, TwinwaveAcceptsTheEndMarkerExactlyInSquareTwoRegions)
{
    int squareTwo = 0;
    for (const RegionEntry& region : twinwave::kRegions) {
        const std::string label = region.label;
        const std::string tag = label.substr(12, label.find("：", 12) - 12);
        EXPECT_TRUE(tag == "SQ2" || tag == "TRI" || tag == "SQ2・TRI") << label;
        EXPECT_EQ(region.endMarkerAllowed, tag.find("SQ2") != std::string::npos) << label;
        squareTwo += region.endMarkerAllowed ? 1 : 0;
    }
    EXPECT_EQ(squareTwo, 20);
}

TEST(Keyboards, SquareOneEventIndexesRiseWithControlIdsSkippingKeysWithoutANote)
{
    int expected = 1;
    for (std::size_t i = 0; i < pulsar::kKeys.size(); ++i) {
        const pulsar::Key& key = pulsar::kKeys[i];
        EXPECT_EQ(key.controlId, 1022 + static_cast<int>(i));
        if (i > 0) {
            EXPECT_GT(key.x, pulsar::kKeys[i - 1].x) << "ids rise left to right";
        }
        const int wanted = std::string(key.caption) == "x" ? pulsar::kNoEvent : expected++;
        EXPECT_EQ(key.eventIndex, wanted) << key.controlId;
    }
    EXPECT_EQ(expected, 31);
}

TEST(Keyboards, TwinwaveNoteBytesWithTheRestAreTheEvenValuesTwoToHundredOnce)
{
    std::multiset<int> bytes{twinwave::kRestNoteByte};
    for (const twinwave::NoteKey& key : twinwave::kNoteKeys) {
        EXPECT_EQ(key.noteByte == twinwave::kNoNote, std::string(key.caption) == "x") << key.controlId;
        if (key.noteByte != twinwave::kNoNote)
            bytes.insert(key.noteByte);
    }
    std::multiset<int> even;
    for (int b = 0x02; b <= 0x64; b += 2)
        even.insert(b);
    EXPECT_EQ(bytes, even);
}

// Both keyboards share their piano keys: pulsar's starts at E, five white keys after
// twinwave's G, so a key lies 45 units further right on twinwave's; pulsar's lone "d"
// at the right end is twinwave's top D (1058).
TEST(Keyboards, TwinwaveNoteByteIsTwiceSquareOnesEventValueForEverySharedKey)
{
    auto eventValue = [](const pulsar::Key& key) { return key.eventIndex == 30 ? 1 : key.eventIndex + 2; };
    auto twinwaveKeyAt = [](int x) {
        return std::find_if(twinwave::kNoteKeys.begin(), twinwave::kNoteKeys.end(),
                            [x](const twinwave::NoteKey& k) { return k.x == x; });
    };
    int shared = 0;
    for (const pulsar::Key& key : pulsar::kKeys) {
        if (key.eventIndex == pulsar::kNoEvent)
            continue;
        const auto twin = key.controlId == 1054 ? twinwaveKeyAt(294) : twinwaveKeyAt(key.x + 45);
        ASSERT_NE(twin, twinwave::kNoteKeys.end()) << key.controlId;
        EXPECT_EQ(twin->row == twinwave::KeyRow::Upper, key.row == pulsar::KeyRow::Black) << key.controlId;
        if (twin->noteByte == twinwave::kNoNote)
            continue;
        EXPECT_EQ(twin->noteByte, 2 * eventValue(key)) << key.controlId << " ~ " << twin->controlId;
        ++shared;
    }
    EXPECT_GE(shared, 28);
    EXPECT_EQ(2 * 2, twinwave::kRestNoteByte) << "the rest has event value 2";
}
