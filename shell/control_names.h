#pragma once

#include "core/program.h"
#include "framework/resources.h"

#include <vector>

// What screen readers and UI automation call the controls of a composer dialog. The
// captions alone do not say it: a key shows no note, "←" and "休" are symbols, and every
// length radio button is captioned "Radio1".

inline constexpr const char* kNoNoteName = "no note";

// The names of every control of `program`'s dialog but the "/": the region list, the
// number boxes by what they show, the radio buttons by their length, each key by what it
// plays ("no note" for a key captioned "x"), rest, take back, end marker and the output.
std::vector<ControlNameRecord> ComposerControlNames(const Program& program);
