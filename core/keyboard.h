#pragma once

#include "core/program.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

// The twelve notes of an octave, from C up.
inline constexpr std::array<const char*, 12> kOctaveNotes = {"C", "C♯", "D", "D♯", "E", "F",
                                                            "F♯", "G", "G♯", "A", "A♯", "B"};

constexpr std::size_t NoteIndex(std::string_view note)
{
    return static_cast<std::size_t>(std::ranges::find(kOctaveNotes, note) - kOctaveNotes.begin());
}

// A piano keyboard's keys, left to right, made from the rules every composer keyboard follows:
// a chromatic run of notes from `lowest` (a white key) in octave 1, the octave rising at each
// C, control ids from `firstId`, white keys on a 9-unit pitch from x = 6 in the lower row, each
// black key 3 units right of the white key before it in the upper row; a C is captioned "c", a
// key without a value "x". `values` holds each key's event index or note byte, kNoEvent for a
// key that plays nothing.
template <std::size_t N>
consteval std::array<Key, N> PianoKeys(int firstId, std::string_view lowest, const std::array<int, N>& values)
{
    std::size_t note = NoteIndex(lowest);
    int octave = 1;
    std::array<Key, N> keys{};
    int whiteX = 6 - 9;
    for (std::size_t i = 0; i < N; ++i, note = (note + 1) % kOctaveNotes.size()) {
        const std::string_view name = kOctaveNotes[note];
        if (i > 0 && note == 0)
            ++octave;
        const bool black = name.ends_with("♯");
        whiteX += black ? 0 : 9;
        const char* caption = values[i] == kNoEvent ? "x" : note == 0 ? "c" : "";
        keys[i] = {firstId + static_cast<int>(i), black ? KeyRow::Black : KeyRow::White, black ? whiteX + 3 : whiteX,
                   caption, kOctaveNotes[note], values[i], octave};
    }
    return keys;
}

// The keyboard `keys` with `last` after them: the next key of its note up the keyboard, so
// in the octave of the keys' last key, or the one above when a C lies between them.
template <std::size_t N>
consteval std::array<Key, N + 1> WithKey(const std::array<Key, N>& keys, const Key& last)
{
    std::array<Key, N + 1> all{};
    for (std::size_t i = 0; i < N; ++i)
        all[i] = keys[i];
    all[N] = last;
    all[N].octave = keys[N - 1].octave + (NoteIndex(last.name) > NoteIndex(keys[N - 1].name) ? 0 : 1);
    return all;
}
