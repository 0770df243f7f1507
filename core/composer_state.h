#pragma once

#include "core/duration_groups.h"
#include "core/history_stack.h"
#include "core/region_catalogue.h"

#include <array>
#include <string>

// The values the dialog exchanges with its number boxes and radio group.
struct ComposerFields {
    int byteCount = 0;
    int byteBudget = 0;
    std::array<int, kLengthPositions> durations{};
    int durationTotal = 0;
    int lengthIndex = -1;  // radio position 0..7; -1 until the dialog is set up

    bool operator==(const ComposerFields&) const = default;  // GCOVR_EXCL_BR_LINE: the compiler's comparison
};

// Everything a program knows about the composition in progress.
struct ComposerState {
    int currentRegion = 0;
    int previousRegion = -1;  // the region the last reset was made for
    HistoryStack history;
    ComposerFields fields;
    std::string outputText;  // uppercase two-digit hex bytes, no separators
};

// Makes `index` the current region. A region other than the one last reset for discards
// the composition and loads the region's budget and durations; returns whether it did.
// The caller guarantees that `index` is an entry of `catalogue`.
bool SelectRegion(ComposerState& state, RegionCatalogue catalogue, int index);

// The duration group of the current region.
int CurrentGroup(const ComposerState& state, RegionCatalogue catalogue);
