#include "core/channel.h"

#include "core/duration_groups.h"
#include "core/output_text.h"

bool Channel::Accepts(const ComposerState& state, Edit edit) const
{
    switch (edit.kind) {  // GCOVR_EXCL_BR_LINE: the compiler's edge for a value no EditKind has
    case EditKind::Event:
        return !state.history.IsFull() && IsEventValue(edit.value);
    case EditKind::Undo:
        return !state.history.IsEmpty();
    case EditKind::EndMarker:
        return !state.history.IsFull() && AcceptsEndMarker(state);
    case EditKind::None:
        break;
    }
    return false;
}

void Channel::Apply(ComposerState& state, Edit edit) const
{
    // Only accepted edits are applied, never None; the default edge is the compiler's.
    switch (edit.kind) {  // GCOVR_EXCL_BR_LINE
    case EditKind::Event:
        AppendEvent(state, edit.value);
        break;
    case EditKind::Undo:
        UndoLast(state);
        break;
    case EditKind::EndMarker:
        AppendEndMarker(state);
        break;
    case EditKind::None:
        break;
    }
}

std::string Channel::Written(const ComposerState& state, Edit edit, int position) const
{
    if (edit.kind == EditKind::EndMarker)
        return std::string(kEndMarkerByte);
    if (edit.kind != EditKind::Event || !IsEventValue(edit.value) || !IsLengthPosition(position))
        return {};
    return EventBytes(state, edit.value, position);
}

void Channel::AppendEvent(ComposerState& state, int value) const
{
    const int position = state.fields.lengthIndex;
    if (!IsLengthPosition(position))
        return;  // no length chosen: nothing to encode
    const std::string bytes = EventBytes(state, value, position);
    state.fields.byteCount += static_cast<int>(bytes.size() / 2);
    state.fields.durationTotal += DurationOf(CurrentGroup(state, Catalogue()), position);
    state.history.Push(position);
    state.outputText += bytes;
}

void Channel::AppendEndMarker(ComposerState& state)
{
    state.fields.byteCount += 1;
    state.history.Push(HistoryStack::kEndMarker);
    state.outputText += kEndMarkerByte;
}
