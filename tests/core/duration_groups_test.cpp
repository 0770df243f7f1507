#include "core/duration_groups.h"

#include <gtest/gtest.h>

#include <set>

// Durations strictly ascend with the radio position and each group uses every length code
// once; read by length code, the groups are the sound engine's own tables, which pins each
// duration to its code.
TEST(DurationGroups, DurationsAscendAndMatchTheEnginesTablesByLengthCode)
{
    const int byCode[kDurationGroupCount][8] = {
        {5, 10, 20, 40, 80, 30, 60, 2},  {4, 8, 16, 32, 64, 24, 48, 12}, {3, 6, 12, 24, 48, 18, 36, 8},
        {54, 3, 9, 6, 18, 27, 36, 12}, {36, 2, 6, 4, 12, 18, 24, 8},   {18, 1, 3, 2, 6, 9, 12, 4},
    };
    for (int g = 0; g < kDurationGroupCount; ++g) {
        std::set<int> codes;
        for (int p = 0; p < kLengthPositions; ++p) {
            EXPECT_TRUE(p == 0 || DurationOf(g, p - 1) < DurationOf(g, p)) << "group " << g << " position " << p;
            codes.insert(LengthCodeOf(g, p));
            EXPECT_EQ(byCode[g][LengthCodeOf(g, p) - 80], DurationOf(g, p)) << "group " << g << " position " << p;
        }
        EXPECT_EQ(codes, (std::set<int>{80, 81, 82, 83, 84, 85, 86, 87})) << "group " << g;
    }
}
