#pragma once

#include "core/composer_state.h"
#include "core/edit.h"
#include "core/region_catalogue.h"

#include <string>

// What differs between the voices: the regions and how an edit turns into bytes.
class Channel {
public:
    virtual ~Channel() = default;

    virtual RegionCatalogue Catalogue() const = 0;

    // Whether `edit` would change anything. Decided from the static state alone, before
    // any control is read, so that a refused edit leaves every control untouched.
    bool Accepts(const ComposerState& state, Edit edit) const;

    // Applies an accepted edit to the fields, history and output text.
    void Apply(ComposerState& state, Edit edit) const;

    // The bytes `edit` would append after what `state` holds with radio position
    // `position` checked, accepted or not: nothing for an edit that writes none.
    std::string Written(const ComposerState& state, Edit edit, int position) const;

protected:
    virtual bool IsEventValue(int value) const = 0;
    // Whether the end byte may follow what has been entered in the current region.
    virtual bool AcceptsEndMarker(const ComposerState& state) const = 0;

    // The bytes of event `value` at radio position `position` (0..7) after what `state` holds.
    virtual std::string EventBytes(const ComposerState& state, int value, int position) const = 0;
    virtual void UndoLast(ComposerState& state) const = 0;

private:
    void AppendEvent(ComposerState& state, int value) const;
    // The end byte "00": one byte, no duration.
    static void AppendEndMarker(ComposerState& state);
};
