#include "twinwave/program.h"

#include "core/length_change_channel.h"

namespace twinwave {
namespace {

constexpr RegionEntry kRegions[] = {
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
};

constinit const LengthChangeChannel kChannel{kRegions};

}  // namespace

const Program kProgram{"twinwave", kChannel, kIds, kKeys, 0x04};  // "休" enters note byte 04

}  // namespace twinwave
