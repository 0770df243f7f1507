#pragma once

#include "core/program.h"

#include <array>
#include <cstddef>
#include <string_view>

// A piano keyboard's keys, left to right, made from the rules every composer keyboard follows:
// a chromatic run of notes from `lowest` (a white key), control ids from `firstId`, white keys
// on a 9-unit pitch from x = 6 in the lower row, each black key 3 units right of the white key
// before it in the upper row; a C is captioned "c", a key without a value "x". `values` holds
// each key's event index or note byte, kNoEvent for a key that plays nothing.
template <std::size_t N>
consteval std::array<Key, N> PianoKeys(int firstId, std::string_view lowest, const std::array<int, N>& values)
{
    constexpr std::array<const char*, 12> kNotes = {"C", "C♯", "D", "D♯", "E", "F", "F♯", "G", "G♯", "A", "A♯", "B"};
    std::size_t note = 0;
    while (kNotes[note] != lowest)
        ++note;
    std::array<Key, N> keys{};
    int whiteX = 6 - 9;
    for (std::size_t i = 0; i < N; ++i, note = (note + 1) % kNotes.size()) {
        const std::string_view name = kNotes[note];
        const bool black = name.ends_with("♯");
        whiteX += black ? 0 : 9;
        const char* caption = values[i] == kNoEvent ? "x" : name == "C" ? "c" : "";
        keys[i] = {firstId + static_cast<int>(i), black ? KeyRow::Black : KeyRow::White, black ? whiteX + 3 : whiteX,
                   caption, kNotes[note], values[i]};
    }
    return keys;
}

// `keys` with `last` after them.
template <std::size_t N>
consteval std::array<Key, N + 1> WithKey(const std::array<Key, N>& keys, const Key& last)
{
    std::array<Key, N + 1> all{};
    for (std::size_t i = 0; i < N; ++i)
        all[i] = keys[i];
    all[N] = last;
    return all;
}
