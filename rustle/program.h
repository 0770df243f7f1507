#pragma once

#include "core/program.h"

#include <array>

// The noise voice: three sounds and a rest, one byte each.
namespace rustle {

inline constexpr ComposerControlIds kIds{.firstDuration = 1003, .total = 1011, .firstLength = 1012,
                                         .rest = 1023, .back = 1024, .end = 1025, .output = 1026};

// The sound buttons, in one row; their event indexes pick the codes.
inline constexpr std::array<Key, 3> kKeys = {{
    {1020, KeyRow::White, 27, "チ", "short hiss noise", 1},
    {1021, KeyRow::White, 45, "コッ", "knock noise", 2},
    {1022, KeyRow::White, 63, "チー", "long hiss noise", 3},
}};

extern const Program kProgram;

}  // namespace rustle
