#pragma once

#include "core/channel.h"

#include <string>

// A voice in which a note is a byte of its own and the note length travels in a length
// byte "80".."87", written only when the radio position differs from the newest entry's.
// Edit values of EditKind::Event are note bytes. The end byte needs an entry before it
// and a region that allows it.
class LengthChangeChannel final : public Channel {
public:
    explicit constexpr LengthChangeChannel(RegionCatalogue catalogue) : catalogue_(catalogue) {}

    RegionCatalogue Catalogue() const override { return catalogue_; }

protected:
    bool IsEventValue(int value) const override { return value >= 0 && value <= 0xFF; }
    bool AcceptsEndMarker(const ComposerState& state) const override;
    std::string EventBytes(const ComposerState& state, int noteByte, int position) const override;
    void UndoLast(ComposerState& state) const override;

private:
    // The number of bytes the newest history entry wrote: 2 for a note or rest that
    // carried a length byte, otherwise 1.
    static int BytesOfNewest(const HistoryStack& history);

    RegionCatalogue catalogue_;
};
