#pragma once

#include <string_view>

// The controls of each program's dialog, by kind, that the bare dialogs start-up is measured
// against are made of.
struct ControlCounts {
    const char* program;
    int regions;
    int pushButtons;  // keys or sounds, rest, "←" and the end marker
};

inline constexpr ControlCounts kControlCounts[] = {{"rustle", 5, 6}, {"pulsar", 19, 36}, {"twinwave", 38, 63}};
inline constexpr int kNumberBoxes = 11;
inline constexpr int kRadioButtons = 8;

// The counts of `program`, or nullptr.
inline const ControlCounts* ControlCountsOf(std::string_view program)
{
    for (const ControlCounts& counts : kControlCounts) {
        if (counts.program == program)
            return &counts;
    }
    return nullptr;
}
