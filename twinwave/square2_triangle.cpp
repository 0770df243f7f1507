#include "twinwave/square2_triangle.h"

#include "twinwave/ids.h"

#include <algorithm>

namespace twinwave {

const std::array<NoteKey, 60> kNoteKeys = {{
    {1003, KeyRow::Lower, 6, "", "G", 0x5A},
    {1004, KeyRow::Upper, 9, "x", "G♯", kNoNote},
    {1005, KeyRow::Lower, 15, "x", "A", kNoNote},
    {1006, KeyRow::Upper, 18, "x", "A♯", kNoNote},
    {1007, KeyRow::Lower, 24, "x", "B", kNoNote},
    {1008, KeyRow::Lower, 33, "c", "C", 0x5C},
    {1009, KeyRow::Upper, 36, "x", "C♯", kNoNote},
    {1010, KeyRow::Lower, 42, "", "D", 0x5E},
    {1011, KeyRow::Upper, 45, "", "D♯", 0x60},
    {1012, KeyRow::Lower, 51, "", "E", 0x06},
    {1013, KeyRow::Lower, 60, "", "F", 0x08},
    {1014, KeyRow::Upper, 63, "", "F♯", 0x0A},
    {1015, KeyRow::Lower, 69, "", "G", 0x0C},
    {1016, KeyRow::Upper, 72, "", "G♯", 0x0E},
    {1017, KeyRow::Lower, 78, "", "A", 0x62},
    {1018, KeyRow::Upper, 81, "", "A♯", 0x10},
    {1019, KeyRow::Lower, 87, "", "B", 0x12},
    {1020, KeyRow::Lower, 96, "c", "C", 0x14},
    {1021, KeyRow::Upper, 99, "", "C♯", 0x16},
    {1022, KeyRow::Lower, 105, "", "D", 0x18},
    {1023, KeyRow::Upper, 108, "", "D♯", 0x1A},
    {1024, KeyRow::Lower, 114, "", "E", 0x1C},
    {1025, KeyRow::Lower, 123, "", "F", 0x1E},
    {1026, KeyRow::Upper, 126, "", "F♯", 0x20},
    {1027, KeyRow::Lower, 132, "", "G", 0x22},
    {1028, KeyRow::Upper, 135, "", "G♯", 0x24},
    {1029, KeyRow::Lower, 141, "", "A", 0x26},
    {1030, KeyRow::Upper, 144, "", "A♯", 0x28},
    {1031, KeyRow::Lower, 150, "", "B", 0x2A},
    {1032, KeyRow::Lower, 159, "c", "C", 0x2C},
    {1033, KeyRow::Upper, 162, "", "C♯", 0x2E},
    {1034, KeyRow::Lower, 168, "", "D", 0x30},
    {1035, KeyRow::Upper, 171, "", "D♯", 0x32},
    {1036, KeyRow::Lower, 177, "", "E", 0x34},
    {1037, KeyRow::Lower, 186, "", "F", 0x36},
    {1038, KeyRow::Upper, 189, "", "F♯", 0x38},
    {1039, KeyRow::Lower, 195, "", "G", 0x3A},
    {1040, KeyRow::Upper, 198, "", "G♯", 0x3C},
    {1041, KeyRow::Lower, 204, "", "A", 0x40},
    {1042, KeyRow::Upper, 207, "", "A♯", 0x3E},
    {1043, KeyRow::Lower, 213, "", "B", 0x42},
    {1044, KeyRow::Lower, 222, "c", "C", 0x64},
    {1045, KeyRow::Upper, 225, "", "C♯", 0x46},
    {1046, KeyRow::Lower, 231, "", "D", 0x48},
    {1047, KeyRow::Upper, 234, "", "D♯", 0x4A},
    {1048, KeyRow::Lower, 240, "", "E", 0x44},
    {1049, KeyRow::Lower, 249, "", "F", 0x4C},
    {1050, KeyRow::Upper, 252, "x", "F♯", kNoNote},
    {1051, KeyRow::Lower, 258, "", "G", 0x4E},
    {1052, KeyRow::Upper, 261, "", "G♯", 0x50},
    {1053, KeyRow::Lower, 267, "x", "A", kNoNote},
    {1054, KeyRow::Upper, 270, "", "A♯", 0x52},
    {1055, KeyRow::Lower, 276, "x", "B", kNoNote},
    {1056, KeyRow::Lower, 285, "c", "C", 0x54},
    {1057, KeyRow::Upper, 288, "x", "C♯", kNoNote},
    {1058, KeyRow::Lower, 294, "", "D", 0x02},
    {1059, KeyRow::Upper, 297, "x", "D♯", kNoNote},
    {1060, KeyRow::Lower, 303, "", "E", 0x56},
    {1061, KeyRow::Lower, 312, "x", "F", kNoNote},
    {1062, KeyRow::Lower, 321, "", "G", 0x58},
}};

const std::array<RegionEntry, 38> kRegions = {{
    {"79C8-79E1：SQ2：スター・雲", 26, 4, true},
    {"79F6-7A07：TRI：スター・雲", 18, 4, false},
    {"7A11-7A2C：SQ2：地上a", 28, 3, true},
    {"7A3E-7A58：TRI：地上a", 27, 3, false},
    {"7A59-7A6A：SQ2：地上b1", 18, 3, true},
    {"7A79-7A84：TRI：地上b1", 12, 3, false},
    {"7A85-7A94：SQ2：地上b2", 16, 3, true},
    {"7AA0-7AAC：TRI：地上b2", 13, 3, false},
    {"7AAD-7AB6：SQ2：地上b3", 10, 3, true},
    {"7ABE-7AC8：TRI：地上b3", 11, 3, false},
    {"7AD2-7AE1：SQ2：地上c1", 16, 3, true},
    {"7AEB-7AF7：SQ2：地上c2", 13, 3, true},
    {"7AFF-7B08：TRI：地上c1", 10, 3, false},
    {"7B09-7B15：SQ2：地上i", 13, 3, true},
    {"7B1E-7B29：TRI：地上i", 12, 3, false},
    {"7B35-7B44：SQ2：地上d1", 16, 3, true},
    {"7B4D-7B5A：TRI：地上d1", 14, 3, false},
    {"7B5B-7B69：SQ2：地上d2", 15, 3, true},
    {"7B74-7B81：TRI：地上d2", 14, 3, false},
    {"7B82-7B83：SQ2：死i", 2, 3, true},
    {"7B84-7B90：SQ2：地上d3・死", 13, 3, true},
    {"7BA0-7BA1：TRI：死i", 2, 3, false},
    {"7BA2-7BAE：TRI：地上d3・死", 13, 3, false},
    {"7BB4-7C15：SQ2：城", 98, 0, true},
    {"7C47-7C54：TRI：城", 14, 0, false},
    {"7C55-7C68：SQ2：ゲームオーバー", 20, 3, true},
    {"7C73-7C81：TRI：ゲームオーバー", 15, 3, false},
    {"7C82-7C99：SQ2：残り100", 24, 2, true},
    {"7CA9-7CBF：TRI：残り100", 23, 2, false},
    {"7CC0-7CE0：SQ2：ゴール", 33, 4, true},
    {"7CFD-7D20：TRI：ゴール", 36, 4, false},
    {"7D21-7D61：SQ2・TRI：地下", 65, 3, true},
    {"7D62-7DC9：SQ2：海", 104, 1, true},
    {"7E02-7E60：TRI：海", 95, 1, false},
    {"7E61-7E84：SQ2：斧", 36, 1, true},
    {"7EAD-7ED7：TRI：斧", 43, 1, false},
    {"7ED8-7EEB：SQ2：メロネ姫", 20, 2, true},
    {"7EFC-7F0C：TRI：メロネ姫", 17, 2, false},
}};

const LengthChangeChannel kChannel{kRegions};

namespace {

std::optional<Edit> ButtonEdit(int controlId)
{
    switch (controlId) {
    case IDC_REST: return Edit{EditKind::Event, kRestNoteByte};
    case IDC_BACK: return Edit{EditKind::Undo};
    case IDC_END: return Edit{EditKind::EndMarker};
    default: break;
    }
    const auto key = std::find_if(kNoteKeys.begin(), kNoteKeys.end(),
                                  [controlId](const NoteKey& k) { return k.controlId == controlId; });
    if (key == kNoteKeys.end())
        return std::nullopt;
    if (key->noteByte == kNoNote)
        return Edit{};
    return Edit{EditKind::Event, key->noteByte};
}

}  // namespace

const Program kProgram{"twinwave", kChannel, &ButtonEdit};

}  // namespace twinwave
