#include "core/single_byte_channel.h"

#include "core/duration_groups.h"
#include "core/output_text.h"

#include <cstddef>

std::string SingleByteChannel::EventBytes(const ComposerState& state, int eventIndex, int position) const
{
    const int group = CurrentGroup(state, catalogue_);
    const EventCodeRow row = rows_[static_cast<std::size_t>(LengthCodeOf(group, position) - kFirstLengthCode)];
    return std::string(row.substr(2 * static_cast<std::size_t>(eventIndex), 2));
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
