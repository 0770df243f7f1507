#include "core/length_change_channel.h"

#include "core/duration_groups.h"
#include "core/output_text.h"

#include <string>

bool LengthChangeChannel::AcceptsEndMarker(const ComposerState& state) const
{
    return !state.history.IsEmpty() && IsRegionIndex(catalogue_, state.currentRegion)
        && catalogue_[static_cast<std::size_t>(state.currentRegion)].endMarkerAllowed;
}

int LengthChangeChannel::BytesOfNewest(const HistoryStack& history)
{
    const int newest = history.Newest();
    return newest != HistoryStack::kEndMarker && newest != history.BelowNewest() ? 2 : 1;
}

void LengthChangeChannel::AppendEvent(ComposerState& state, int noteByte) const
{
    const int position = state.fields.lengthIndex;
    if (!IsLengthPosition(position))
        return;  // no length chosen: nothing to encode
    const int group = CurrentGroup(state, catalogue_);

    state.fields.byteCount += 1;
    state.fields.durationTotal += DurationOf(group, position);
    std::string lengthText;
    if (position != state.history.Newest()) {
        state.fields.byteCount += 1;
        lengthText = std::to_string(LengthCodeOf(group, position));  // "80".."87" read as hex
    }
    state.history.Push(position);
    state.outputText += lengthText + HexByte(noteByte);
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
