#include "core/duration_groups.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(DurationGroups, DurationsAscendAndCodesAreEachLengthCodeOnce)
{
    for (const DurationGroup& group : kDurationGroups) {
        EXPECT_TRUE(std::is_sorted(group.durations.begin(), group.durations.end(), std::less_equal<>()) == false
                    || std::adjacent_find(group.durations.begin(), group.durations.end(), std::greater_equal<>()) == group.durations.end());
        std::array<int, 8> codes = group.codes;
        std::sort(codes.begin(), codes.end());
        for (int i = 0; i < 8; ++i)
            EXPECT_EQ(codes[static_cast<std::size_t>(i)], 80 + i);
    }
}
