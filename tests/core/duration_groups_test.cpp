#include "core/duration_groups.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

TEST(DurationGroups, DurationsStrictlyAscendAndEachGroupUsesEveryLengthCodeOnce)
{
    for (int g = 0; g < kDurationGroupCount; ++g) {
        for (int p = 1; p < kLengthPositions; ++p)
            EXPECT_LT(DurationOf(g, p - 1), DurationOf(g, p)) << "group " << g << " position " << p;
        std::set<int> codes;
        for (int p = 0; p < kLengthPositions; ++p)
            codes.insert(LengthCodeOf(g, p));
        EXPECT_EQ(codes, (std::set<int>{80, 81, 82, 83, 84, 85, 86, 87})) << "group " << g;
    }
}

TEST(DurationGroups, ShortestAndLongestLengths)
{
    EXPECT_EQ(DurationOf(0, 0), 2);
    EXPECT_EQ(LengthCodeOf(0, 0), 87);
    EXPECT_EQ(DurationOf(0, 7), 80);
    EXPECT_EQ(LengthCodeOf(0, 7), 84);
    for (int g : {3, 4, 5})
        EXPECT_EQ(LengthCodeOf(g, 7), 80) << "group " << g;
}

TEST(DurationGroups, GroupThreeShowsItsDurationsInOrder)
{
    EXPECT_EQ(DurationsOf(3), (std::array<int, 8>{3, 6, 9, 12, 18, 27, 36, 54}));
}

// The same group read by length code, as the sound engine's own tables list it.
TEST(DurationGroups, DurationByLengthCodeMatchesTheEnginesOrder)
{
    const std::array<std::array<int, 8>, 6> byCode = {{
        {5, 10, 20, 40, 80, 30, 60, 2},
        {4, 8, 16, 32, 64, 24, 48, 12},
        {3, 6, 12, 24, 48, 18, 36, 8},
        {54, 3, 9, 6, 18, 27, 36, 12},
        {36, 2, 6, 4, 12, 18, 24, 8},
        {18, 1, 3, 2, 6, 9, 12, 4},
    }};
    for (int g = 0; g < kDurationGroupCount; ++g)
        for (int p = 0; p < kLengthPositions; ++p)
            EXPECT_EQ(byCode[static_cast<std::size_t>(g)][static_cast<std::size_t>(LengthCodeOf(g, p) - 80)],
                      DurationOf(g, p))
                << "group " << g << " position " << p;
}
