#include "core/duration_groups.h"

#include <gtest/gtest.h>

#include <set>

TEST(DurationGroups, DurationsStrictlyAscendAndEachGroupUsesEveryLengthCodeOnce)
{
    for (int g = 0; g < kDurationGroupCount; ++g) {
        std::set<int> codes;
        for (int p = 0; p < kLengthPositions; ++p) {
            if (p > 0) {
                EXPECT_LT(DurationOf(g, p - 1), DurationOf(g, p)) << "group " << g << " position " << p;
            }
            codes.insert(LengthCodeOf(g, p));
        }
        EXPECT_EQ(codes, (std::set<int>{80, 81, 82, 83, 84, 85, 86, 87})) << "group " << g;
    }
}

// The same groups read by length code, as the sound engine's own tables list them: this
// pins each duration to its code, which the two rules above leave free.
TEST(DurationGroups, DurationByLengthCodeMatchesTheEnginesOrder)
{
    const int byCode[kDurationGroupCount][8] = {
        {5, 10, 20, 40, 80, 30, 60, 2},  {4, 8, 16, 32, 64, 24, 48, 12}, {3, 6, 12, 24, 48, 18, 36, 8},
        {54, 3, 9, 6, 18, 27, 36, 12}, {36, 2, 6, 4, 12, 18, 24, 8},   {18, 1, 3, 2, 6, 9, 12, 4},
    };
    for (int g = 0; g < kDurationGroupCount; ++g)
        for (int p = 0; p < kLengthPositions; ++p)
            EXPECT_EQ(byCode[g][LengthCodeOf(g, p) - 80], DurationOf(g, p)) << "group " << g << " position " << p;
}
