#pragma once

#include "core/keyboard.h"
#include "core/program.h"

#include <array>

// The second square-wave voice and the triangle voice: a keyboard of 60 keys (49 playing)
// and a rest, each a note byte of its own.
namespace twinwave {

inline constexpr ComposerControlIds kIds{.firstDuration = 1064, .total = 1080, .firstLength = 1072,
                                         .rest = 1063, .back = 1081, .end = 1083, .output = 1082};

// The keyboard, from G up to the F almost five octaves higher with each key's note byte (an
// octave a row), then the top G apart at its right end.
inline constexpr std::array<Key, 60> kKeys = WithKey(
    PianoKeys<59>(1003, "G", {0x5A, kNoEvent, kNoEvent, kNoEvent, kNoEvent, 0x5C, kNoEvent, 0x5E, 0x60, 0x06, 0x08, 0x0A,
                              0x0C, 0x0E, 0x62, 0x10, 0x12, 0x14, 0x16, 0x18, 0x1A, 0x1C, 0x1E, 0x20,
                              0x22, 0x24, 0x26, 0x28, 0x2A, 0x2C, 0x2E, 0x30, 0x32, 0x34, 0x36, 0x38,
                              0x3A, 0x3C, 0x40, 0x3E, 0x42, 0x64, 0x46, 0x48, 0x4A, 0x44, 0x4C, kNoEvent,
                              0x4E, 0x50, kNoEvent, 0x52, kNoEvent, 0x54, kNoEvent, 0x02, kNoEvent, 0x56, kNoEvent}),
    {1062, KeyRow::White, 321, "", "G", 0x58});

extern const Program kProgram;

}  // namespace twinwave
