#pragma once

#include "core/program.h"
#include "twinwave/length_change_channel.h"

#include <array>

// The second square-wave voice and the triangle voice: a keyboard of 60 keys (49 playing)
// and a rest, each a note byte of its own.
namespace twinwave {

enum class KeyRow { Lower, Upper };  // white keys, black keys

struct NoteKey {
    int controlId;
    KeyRow row;
    int x;  // left edge, dialog units
    const char* caption;
    const char* note;  // the key's place on a piano keyboard, "C", "F♯" (UTF-8)
    int noteByte;      // kNoNote for a key captioned "x"
};

inline constexpr int kNoNote = -1;
inline constexpr int kRestNoteByte = 0x04;

extern const std::array<NoteKey, 60> kNoteKeys;  // left to right, ascending control id
extern const std::array<RegionEntry, 38> kRegions;
extern const LengthChangeChannel kChannel;
extern const Program kProgram;

}  // namespace twinwave
