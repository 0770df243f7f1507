#include "rustle/noise_channel.h"

#include "rustle/ids.h"

namespace rustle {

// Event index 0..3 ("休", "チ", "コッ", "チー") of each length code 80..87.
const EventCodeRows kCodeRows = {
    "04102030", "44506070", "8490A0B0", "C4D0E0F0",
    "05112131", "45516171", "8591A1B1", "C5D1E1F1",
};

const std::array<RegionEntry, 5> kRegions = {{
    {"7A08-7A10：スター・雲", 9, 4, true},
    {"7AC9-7AD1：地上a-b3", 9, 3, true},
    {"7B2A-7B34：地上c1・c2・i", 11, 3, true},
    {"7BAF-7BB3：地上d1-d3", 5, 3, true},
    {"7DCA-7DD1：海", 8, 1, true},
}};

const SingleByteChannel kChannel{kCodeRows, kRegions};

namespace {

std::optional<Edit> ButtonEdit(int controlId)
{
    switch (controlId) {
    case IDC_NOISE1: return Edit{EditKind::Event, kNoise1Event};
    case IDC_NOISE2: return Edit{EditKind::Event, kNoise2Event};
    case IDC_NOISE3: return Edit{EditKind::Event, kNoise3Event};
    case IDC_REST: return Edit{EditKind::Event, kRestEvent};
    case IDC_BACK: return Edit{EditKind::Undo};
    case IDC_END: return Edit{EditKind::EndMarker};
    default: return std::nullopt;
    }
}

}  // namespace

const Program kProgram{"rustle", kChannel, &ButtonEdit};

}  // namespace rustle
