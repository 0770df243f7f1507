#pragma once

#include <array>

inline constexpr int kDurationGroupCount = 6;
inline constexpr int kLengthPositions = 8;
inline constexpr int kFirstLengthCode = 80;

// The eight note lengths a region offers: radio position 0..7 (shortest to longest)
// gives a duration in the sound engine's time units and a length code 80..87.
struct DurationGroup {
    std::array<int, kLengthPositions> durations;
    std::array<int, kLengthPositions> codes;
};

// The six groups, the same in all three programs.
extern const std::array<DurationGroup, kDurationGroupCount> kDurationGroups;

// Callers pass a group 0..5 from a catalogue entry and a radio position 0..7.
int DurationOf(int group, int position);
int LengthCodeOf(int group, int position);
const std::array<int, kLengthPositions>& DurationsOf(int group);

constexpr bool IsLengthPosition(int position) { return position >= 0 && position < kLengthPositions; }
