#pragma once

#include "framework/resources.h"

#include <array>
#include <cstddef>
#include <string_view>

// What screen readers and UI automation call the controls of a composer dialog. The
// captions alone do not say it: a key shows no note, "←" and "休" are symbols, and every
// length radio button is captioned "Radio1".

// The ids of the controls that every composer dialog has, each program with its own.
struct ComposerControlIds {
    int regionList;
    int count;
    int budget;
    int firstDuration;  // + i: the duration of radio position i
    int total;
    int firstLength;    // + i: radio position i
    int rest;
    int back;
    int end;
    int output;
};

inline constexpr std::size_t kSharedControlCount = 24;

// The names of the controls every composer dialog has: the region list, the number boxes
// by what they show, the radio buttons by their length, rest, take back, end marker and
// the output.
std::array<ControlNameRecord, kSharedControlCount> SharedControlNames(const ComposerControlIds& ids);

inline constexpr const char* kNoNoteName = "no note";

// The names of a keyboard's keys, from its key table: the note each key plays, or "no
// note" for a key captioned "x", which plays none.
template <class Key, std::size_t N>
std::array<ControlNameRecord, N> KeyNames(const std::array<Key, N>& keys)
{
    std::array<ControlNameRecord, N> names{};
    for (std::size_t i = 0; i < N; ++i)
        names[i] = {keys[i].controlId, std::string_view(keys[i].caption) == "x" ? kNoNoteName : keys[i].note};
    return names;
}

// The names of all controls of a composer dialog: the shared ones and the program's own.
template <std::size_t Own>
std::array<ControlNameRecord, kSharedControlCount + Own> ComposerControlNames(
    const ComposerControlIds& ids, const std::array<ControlNameRecord, Own>& own)
{
    std::array<ControlNameRecord, kSharedControlCount + Own> names{};
    const std::array shared = SharedControlNames(ids);
    std::size_t next = 0;
    for (const ControlNameRecord& name : shared)
        names[next++] = name;
    for (const ControlNameRecord& name : own)
        names[next++] = name;
    return names;
}
