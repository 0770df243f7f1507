#pragma once

#include <span>

// One song region: a fixed range of bytes of the game's music data.
struct RegionEntry {
    const char* label;       // display only; UTF-8, e.g. "7A08-7A10：スター・雲"
    int byteBudget;          // last address - first address + 1
    int durationGroup;       // index into kDurationGroups
    bool endMarkerAllowed;   // the length-change channel refuses "00" where this is false
};

// A program's regions in list order; the position in it is the region index.
using RegionCatalogue = std::span<const RegionEntry>;

inline bool IsRegionIndex(RegionCatalogue catalogue, int index)
{
    return index >= 0 && static_cast<std::size_t>(index) < catalogue.size();
}
