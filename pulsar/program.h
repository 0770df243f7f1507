#pragma once

#include "core/keyboard.h"
#include "core/program.h"

#include <array>

// The first square-wave voice: a keyboard of 33 keys (30 playing) and a rest, one byte each.
namespace pulsar {

inline constexpr ComposerControlIds kIds{.firstDuration = 1003, .total = 1012, .firstLength = 1013,
                                         .rest = 1055, .back = 1056, .end = 1057, .output = 1058};

// The keyboard, from E up to the B two octaves and a fifth higher, then the lone "d" apart at
// its right end; each playing key's event index (1..30) picks its code.
inline constexpr std::array<Key, 33> kKeys = WithKey(
    PianoKeys<32>(1022, "E", {1, 2, 3, 4, 5, kNoEvent, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20,
                              21, 22, 23, 24, 25, 26, 27, 28, kNoEvent, 29, kNoEvent}),
    {1054, KeyRow::White, 180, "d", "D", 30});

extern const Program kProgram;

}  // namespace pulsar
