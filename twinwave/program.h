#pragma once

#include "core/length_change_channel.h"
#include "core/program.h"

#include <array>

// The second square-wave voice and the triangle voice: a keyboard of 60 keys (49 playing)
// and a rest, each a note byte of its own.
namespace twinwave {

inline constexpr ComposerControlIds kIds{.regionList = 1000, .count = 1001, .budget = 1002,
                                         .firstDuration = 1064, .total = 1080, .firstLength = 1072,
                                         .rest = 1063, .back = 1081, .end = 1083, .output = 1082};

inline constexpr int kRestNoteByte = 0x04;

// The keyboard, left to right, with each key's note byte.
inline constexpr std::array<Key, 60> kKeys = {{
    {1003, KeyRow::White, 6, "", "G", 0x5A},
    {1004, KeyRow::Black, 9, "x", "G♯", kNoEvent},
    {1005, KeyRow::White, 15, "x", "A", kNoEvent},
    {1006, KeyRow::Black, 18, "x", "A♯", kNoEvent},
    {1007, KeyRow::White, 24, "x", "B", kNoEvent},
    {1008, KeyRow::White, 33, "c", "C", 0x5C},
    {1009, KeyRow::Black, 36, "x", "C♯", kNoEvent},
    {1010, KeyRow::White, 42, "", "D", 0x5E},
    {1011, KeyRow::Black, 45, "", "D♯", 0x60},
    {1012, KeyRow::White, 51, "", "E", 0x06},
    {1013, KeyRow::White, 60, "", "F", 0x08},
    {1014, KeyRow::Black, 63, "", "F♯", 0x0A},
    {1015, KeyRow::White, 69, "", "G", 0x0C},
    {1016, KeyRow::Black, 72, "", "G♯", 0x0E},
    {1017, KeyRow::White, 78, "", "A", 0x62},
    {1018, KeyRow::Black, 81, "", "A♯", 0x10},
    {1019, KeyRow::White, 87, "", "B", 0x12},
    {1020, KeyRow::White, 96, "c", "C", 0x14},
    {1021, KeyRow::Black, 99, "", "C♯", 0x16},
    {1022, KeyRow::White, 105, "", "D", 0x18},
    {1023, KeyRow::Black, 108, "", "D♯", 0x1A},
    {1024, KeyRow::White, 114, "", "E", 0x1C},
    {1025, KeyRow::White, 123, "", "F", 0x1E},
    {1026, KeyRow::Black, 126, "", "F♯", 0x20},
    {1027, KeyRow::White, 132, "", "G", 0x22},
    {1028, KeyRow::Black, 135, "", "G♯", 0x24},
    {1029, KeyRow::White, 141, "", "A", 0x26},
    {1030, KeyRow::Black, 144, "", "A♯", 0x28},
    {1031, KeyRow::White, 150, "", "B", 0x2A},
    {1032, KeyRow::White, 159, "c", "C", 0x2C},
    {1033, KeyRow::Black, 162, "", "C♯", 0x2E},
    {1034, KeyRow::White, 168, "", "D", 0x30},
    {1035, KeyRow::Black, 171, "", "D♯", 0x32},
    {1036, KeyRow::White, 177, "", "E", 0x34},
    {1037, KeyRow::White, 186, "", "F", 0x36},
    {1038, KeyRow::Black, 189, "", "F♯", 0x38},
    {1039, KeyRow::White, 195, "", "G", 0x3A},
    {1040, KeyRow::Black, 198, "", "G♯", 0x3C},
    {1041, KeyRow::White, 204, "", "A", 0x40},
    {1042, KeyRow::Black, 207, "", "A♯", 0x3E},
    {1043, KeyRow::White, 213, "", "B", 0x42},
    {1044, KeyRow::White, 222, "c", "C", 0x64},
    {1045, KeyRow::Black, 225, "", "C♯", 0x46},
    {1046, KeyRow::White, 231, "", "D", 0x48},
    {1047, KeyRow::Black, 234, "", "D♯", 0x4A},
    {1048, KeyRow::White, 240, "", "E", 0x44},
    {1049, KeyRow::White, 249, "", "F", 0x4C},
    {1050, KeyRow::Black, 252, "x", "F♯", kNoEvent},
    {1051, KeyRow::White, 258, "", "G", 0x4E},
    {1052, KeyRow::Black, 261, "", "G♯", 0x50},
    {1053, KeyRow::White, 267, "x", "A", kNoEvent},
    {1054, KeyRow::Black, 270, "", "A♯", 0x52},
    {1055, KeyRow::White, 276, "x", "B", kNoEvent},
    {1056, KeyRow::White, 285, "c", "C", 0x54},
    {1057, KeyRow::Black, 288, "x", "C♯", kNoEvent},
    {1058, KeyRow::White, 294, "", "D", 0x02},
    {1059, KeyRow::Black, 297, "x", "D♯", kNoEvent},
    {1060, KeyRow::White, 303, "", "E", 0x56},
    {1061, KeyRow::White, 312, "x", "F", kNoEvent},
    {1062, KeyRow::White, 321, "", "G", 0x58},
}};

extern const std::array<RegionEntry, 38> kRegions;
extern const Program kProgram;

}  // namespace twinwave
