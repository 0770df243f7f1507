#pragma once

#include <string_view>

// The controls of each program's dialog by kind: what the bare dialogs that the programs'
// start-up is measured against are made of.
struct ControlCounts {
    const char* program;
    int regions;
    int pushButtons;    // keys or sounds, rest, "←" and the end marker
    bool editableList;  // the region list has a text field
};

inline constexpr ControlCounts kControlCounts[] = {
    {"rustle", 5, 6, true}, {"pulsar", 19, 36, false}, {"twinwave", 38, 63, false}};
inline constexpr int kRadioButtons = 8;  // one per length
inline constexpr int kNumberBoxes = 3 + kRadioButtons;  // count, budget, total and each length's duration

// The counts of `program`, or nullptr.
inline const ControlCounts* ControlCountsOf(std::string_view program)
{
    for (const ControlCounts& counts : kControlCounts) {
        if (counts.program == program)
            return &counts;
    }
    return nullptr;
}
