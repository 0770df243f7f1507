#include "core/length_change_channel.h"

#include "core/duration_groups.h"
#include "core/output_text.h"

#include <string>

bool LengthChangeChannel::AcceptsEndMarker(const ComposerState& state) const
{
    // The current region is always one of the catalogue's.
    return !state.history.IsEmpty() && IsRegionIndex(catalogue_, state.currentRegion)  // GCOVR_EXCL_BR_LINE
        && catalogue_[static_cast<std::size_t>(state.currentRegion)].endMarkerAllowed;
}

int LengthChangeChannel::BytesOfNewest(const HistoryStack& history)
{
    const int newest = history.Newest();
    return newest != HistoryStack::kEndMarker && newest != history.BelowNewest() ? 2 : 1;
}

std::string LengthChangeChannel::EventBytes(const ComposerState& state, int noteByte, int position) const
{
    std::string bytes;
    if (position != state.history.Newest())
        bytes = std::to_string(LengthCodeOf(CurrentGroup(state, catalogue_), position));  // "80".."87" read as hex
    return bytes + HexByte(noteByte);
}

void LengthChangeChannel::UndoLast(ComposerState& state) const
{
    const int entry = state.history.Newest();
    const int bytes = BytesOfNewest(state.history);
    state.fields.byteCount -= bytes;
    if (entry != HistoryStack::kEndMarker)
        state.fields.durationTotal -= DurationOf(CurrentGroup(state, catalogue_), entry);
    DropLastBytes(state.outputText, bytes);
    state.history.Pop();
}
