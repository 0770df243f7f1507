#pragma once

#include "core/channel.h"
#include "core/duration_groups.h"

#include <array>
#include <string>
#include <string_view>

// The codes of every event index at one length code, two hex digits each.
using EventCodeRow = std::string_view;
// Indexed by length code - 80.
using EventCodeRows = std::array<EventCodeRow, kLengthPositions>;

// A voice in which every entry is one byte carrying its own note length.
// Edit values of EditKind::Event are event indexes into the code rows.
class SingleByteChannel final : public Channel {
public:
    constexpr SingleByteChannel(const EventCodeRows& rows, RegionCatalogue catalogue)
        : rows_(rows), catalogue_(catalogue) {}

    RegionCatalogue Catalogue() const override { return catalogue_; }
    int EventCount() const { return static_cast<int>(rows_[0].size() / 2); }

protected:
    bool IsEventValue(int value) const override { return value >= 0 && value < EventCount(); }
    bool AcceptsEndMarker(const ComposerState&) const override { return true; }
    std::string EventBytes(const ComposerState& state, int eventIndex, int position) const override;
    void UndoLast(ComposerState& state) const override;

private:
    EventCodeRows rows_;
    RegionCatalogue catalogue_;
};
