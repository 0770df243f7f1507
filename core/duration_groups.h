#pragma once

#include <array>

// The eight note lengths a region offers: radio position 0..7 (shortest to longest)
// gives a duration in the sound engine's time units and a length code 80..87.
struct DurationGroup {
    std::array<int, 8> durations;
    std::array<int, 8> codes;
};

inline constexpr int kDurationGroupCount = 6;
inline constexpr int kLengthPositions = 8;
inline constexpr int kFirstLengthCode = 80;

// The six groups, the same in all three programs.
extern const std::array<DurationGroup, kDurationGroupCount> kDurationGroups;

// Callers pass a group 0..5 from a catalogue entry and a radio position 0..7.
int DurationOf(int group, int position);
int LengthCodeOf(int group, int position);
const std::array<int, 8>& DurationsOf(int group);

constexpr bool IsLengthPosition(int position) { return position >= 0 && position < kLengthPositions; }
