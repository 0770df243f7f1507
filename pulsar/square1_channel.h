#pragma once

#include "core/program.h"
#include "core/single_byte_channel.h"

#include <array>

// The first square-wave voice: a keyboard of 33 keys (30 playing) and a rest, one byte each.
namespace pulsar {

enum class KeyRow { White, Black };

struct Key {
    int controlId;
    KeyRow row;
    int x;  // left edge, dialog units
    const char* caption;
    const char* note;  // the key's place on a piano keyboard, "C", "F♯" (UTF-8)
    int eventIndex;    // 1..30; kNoEvent for a key captioned "x"
};

inline constexpr int kNoEvent = -1;
inline constexpr int kRestEvent = 0;

extern const std::array<Key, 33> kKeys;  // left to right, ascending control id
extern const EventCodeRows kCodeRows;
extern const std::array<RegionEntry, 19> kRegions;
extern const SingleByteChannel kChannel;
extern const Program kProgram;

}  // namespace pulsar
