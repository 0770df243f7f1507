#include "core/single_byte_channel.h"

#include "core/duration_groups.h"
#include "core/output_text.h"

#include <cstddef>

void SingleByteChannel::AppendEvent(ComposerState& state, int eventIndex) const
{
    const int position = state.fields.lengthIndex;
    if (!IsLengthPosition(position))
        return;  // no length chosen: nothing to encode
    const int group = CurrentGroup(state, catalogue_);
    const EventCodeRow row = rows_[static_cast<std::size_t>(LengthCodeOf(group, position) - kFirstLengthCode)];

    state.fields.byteCount += 1;
    state.fields.durationTotal += DurationOf(group, position);
    state.history.Push(position);
    state.outputText += row.substr(2 * static_cast<std::size_t>(eventIndex), 2);
}

void SingleByteChannel::UndoLast(ComposerState& state) const
{
    const int entry = state.history.Newest();
    state.fields.byteCount -= 1;
    if (entry != HistoryStack::kEndMarker)
        state.fields.durationTotal -= DurationOf(CurrentGroup(state, catalogue_), entry);
    DropLastBytes(state.outputText, 1);
    state.history.Pop();
}
