#include "core/composer_state.h"

#include "core/duration_groups.h"

int CurrentGroup(const ComposerState& state, RegionCatalogue catalogue)
{
    return catalogue[static_cast<std::size_t>(state.currentRegion)].durationGroup;
}

bool SelectRegion(ComposerState& state, RegionCatalogue catalogue, int index)
{
    state.currentRegion = index;
    if (index == state.previousRegion)
        return false;

    const RegionEntry& region = catalogue[static_cast<std::size_t>(index)];
    state.history.Clear();
    state.fields.byteCount = 0;
    state.fields.byteBudget = region.byteBudget;
    state.fields.durations = DurationsOf(region.durationGroup);
    state.fields.durationTotal = 0;
    state.outputText.clear();
    state.previousRegion = index;
    return true;
}
