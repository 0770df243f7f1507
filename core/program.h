#pragma once

#include "core/channel.h"
#include "core/edit.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

// One composer program as constant data: its voice, its controls and its keys. Everything
// that tells the three programs apart is written once, in a description of this shape; the
// dialog's template rows, button look-up, control names and message map are made from it.

// The ids of the controls every composer dialog has, each program with its own numbers.
// The region list and the two boxes after it bear the same ids in every program.
struct ComposerControlIds {
    int regionList = 1000;  // IDC_REGION
    int count = 1001;       // IDC_COUNT
    int budget = 1002;      // IDC_BUDGET
    int firstDuration;  // IDC_LEN0; + i: the duration of radio position i
    int total;          // IDC_TOTAL
    int firstLength;    // IDC_LENSEL0; + i: radio position i
    int rest;           // IDC_REST, "休"
    int back;           // IDC_BACK, "←"
    int end;            // IDC_END, the end marker
    int output;         // IDC_OUTPUT
};

enum class KeyRow { White, Black };  // the lower and the upper row of buttons

// A push button that enters an event: a key of a keyboard, or one of the noise sounds.
struct Key {
    int controlId;
    KeyRow row;
    int x;               // left edge, dialog units
    const char* caption;
    const char* name;    // what it plays: a note ("F♯", UTF-8) or a sound
    int value;           // event index or note byte; kNoEvent for a key captioned "x"
    int octave = 0;      // a note's, on its keyboard (see core/keyboard.h); 0 for a sound
};

inline constexpr int kNoEvent = -1;

struct Program {
    std::string_view name;
    const Channel& channel;
    ComposerControlIds ids;
    std::span<const Key> keys;  // left to right, in ascending control id
    int restValue;              // what "休" enters
};

// The edit behind push button `controlId`: EditKind::None for a key captioned "x";
// nothing when `controlId` is no push button of the program.
std::optional<Edit> ButtonEdit(const Program& program, int controlId);

// What push button `controlId` is called where its caption does not say it: a key by its
// note and octave ("F♯ 2", "no note" for a key captioned "x") or its sound, "rest", "take
// back", "end marker"; nothing when `controlId` is no push button of the program.
std::optional<std::string> ButtonName(const Program& program, int controlId);
