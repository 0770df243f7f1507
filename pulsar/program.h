#pragma once

#include "core/program.h"
#include "core/single_byte_channel.h"

#include <array>

// The first square-wave voice: a keyboard of 33 keys (30 playing) and a rest, one byte each.
namespace pulsar {

inline constexpr ComposerControlIds kIds{.regionList = 1000, .count = 1001, .budget = 1002,
                                         .firstDuration = 1003, .total = 1012, .firstLength = 1013,
                                         .rest = 1055, .back = 1056, .end = 1057, .output = 1058};

inline constexpr int kRestEvent = 0;

// The keyboard, left to right; each key's event index (1..30) picks its code.
inline constexpr std::array<Key, 33> kKeys = {{
    {1022, KeyRow::White, 6, "", "E", 1},
    {1023, KeyRow::White, 15, "", "F", 2},
    {1024, KeyRow::Black, 18, "", "F♯", 3},
    {1025, KeyRow::White, 24, "", "G", 4},
    {1026, KeyRow::Black, 27, "", "G♯", 5},
    {1027, KeyRow::White, 33, "x", "A", kNoEvent},
    {1028, KeyRow::Black, 36, "", "A♯", 6},
    {1029, KeyRow::White, 42, "", "B", 7},
    {1030, KeyRow::White, 51, "c", "C", 8},
    {1031, KeyRow::Black, 54, "", "C♯", 9},
    {1032, KeyRow::White, 60, "", "D", 10},
    {1033, KeyRow::Black, 63, "", "D♯", 11},
    {1034, KeyRow::White, 69, "", "E", 12},
    {1035, KeyRow::White, 78, "", "F", 13},
    {1036, KeyRow::Black, 81, "", "F♯", 14},
    {1037, KeyRow::White, 87, "", "G", 15},
    {1038, KeyRow::Black, 90, "", "G♯", 16},
    {1039, KeyRow::White, 96, "", "A", 17},
    {1040, KeyRow::Black, 99, "", "A♯", 18},
    {1041, KeyRow::White, 105, "", "B", 19},
    {1042, KeyRow::White, 114, "c", "C", 20},
    {1043, KeyRow::Black, 117, "", "C♯", 21},
    {1044, KeyRow::White, 123, "", "D", 22},
    {1045, KeyRow::Black, 126, "", "D♯", 23},
    {1046, KeyRow::White, 132, "", "E", 24},
    {1047, KeyRow::White, 141, "", "F", 25},
    {1048, KeyRow::Black, 144, "", "F♯", 26},
    {1049, KeyRow::White, 150, "", "G", 27},
    {1050, KeyRow::Black, 153, "", "G♯", 28},
    {1051, KeyRow::White, 159, "x", "A", kNoEvent},
    {1052, KeyRow::Black, 162, "", "A♯", 29},
    {1053, KeyRow::White, 168, "x", "B", kNoEvent},
    {1054, KeyRow::White, 180, "d", "D", 30},
}};

extern const EventCodeRows kCodeRows;
extern const std::array<RegionEntry, 19> kRegions;
extern const Program kProgram;

}  // namespace pulsar
