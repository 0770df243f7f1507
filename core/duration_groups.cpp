#include "core/duration_groups.h"

#include <cstddef>

const std::array<DurationGroup, kDurationGroupCount> kDurationGroups = {{
    {{2, 5, 10, 20, 30, 40, 60, 80}, {87, 80, 81, 82, 85, 83, 86, 84}},
    {{4, 8, 12, 16, 24, 32, 48, 64}, {80, 81, 87, 82, 85, 83, 86, 84}},
    {{3, 6, 8, 12, 18, 24, 36, 48}, {80, 81, 87, 82, 85, 83, 86, 84}},
    {{3, 6, 9, 12, 18, 27, 36, 54}, {81, 83, 82, 87, 84, 85, 86, 80}},
    {{2, 4, 6, 8, 12, 18, 24, 36}, {81, 83, 82, 87, 84, 85, 86, 80}},
    {{1, 2, 3, 4, 6, 9, 12, 18}, {81, 83, 82, 87, 84, 85, 86, 80}},
}};

int DurationOf(int group, int position)
{
    return DurationsOf(group).at(static_cast<std::size_t>(position));
}

int LengthCodeOf(int group, int position)
{
    return kDurationGroups.at(static_cast<std::size_t>(group)).codes.at(static_cast<std::size_t>(position));
}

const std::array<int, kLengthPositions>& DurationsOf(int group)
{
    return kDurationGroups.at(static_cast<std::size_t>(group)).durations;
}
