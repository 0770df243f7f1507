#pragma once

#include "core/program.h"
#include "core/single_byte_channel.h"

#include <array>

// The noise voice: three sounds and a rest, one byte each.
namespace rustle {

// Event indexes of the four event buttons.
inline constexpr int kRestEvent = 0;
inline constexpr int kNoise1Event = 1;  // "チ"
inline constexpr int kNoise2Event = 2;  // "コッ"
inline constexpr int kNoise3Event = 3;  // "チー"

extern const EventCodeRows kCodeRows;
extern const std::array<RegionEntry, 5> kRegions;
extern const SingleByteChannel kChannel;
extern const Program kProgram;

}  // namespace rustle
