#include "core/channel.h"

#include "core/output_text.h"

bool Channel::Accepts(const ComposerState& state, Edit edit) const
{
    switch (edit.kind) {
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
    switch (edit.kind) {
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

void Channel::AppendEndMarker(ComposerState& state)
{
    state.fields.byteCount += 1;
    state.history.Push(HistoryStack::kEndMarker);
    state.outputText += kEndMarkerByte;
}
