#include "pulsar/program.h"

#include "core/single_byte_channel.h"

namespace pulsar {
namespace {

// Event index 0 (the rest) to 30 of each length code 80..87.
constexpr EventCodeRows kCodeRows = {
    "0406080A0C0E10121416181A1C1E20222426282A2C2E30323436383A3C3E02",
    "4446484A4C4E50525456585A5C5E60626466686A6C6E70727476787A7C7E42",
    "8486888A8C8E90929496989A9C9EA0A2A4A6A8AAACAEB0B2B4B6B8BABCBE82",
    "C4C6C8CACCCED0D2D4D6D8DADCDEE0E2E4E6E8EAECEEF0F2F4F6F8FAFCFEC2",
    "0507090B0D0F11131517191B1D1F21232527292B2D2F31333537393B3D3F03",
    "4547494B4D4F51535557595B5D5F61636567696B6D6F71737577797B7D7F43",
    "8587898B8D8F91939597999B9D9FA1A3A5A7A9ABADAFB1B3B5B7B9BBBDBF83",
    "C5C7C9CBCDCFD1D3D5D7D9DBDDDFE1E3E5E7E9EBEDEFF1F3F5F7F9FBFDFFC3",
};

constexpr RegionEntry kRegions[] = {
    {"79E2-79F5：スター・雲", 20, 4, true},
    {"7A2D-7A3D：地上a", 17, 3, true},
    {"7A6B-7A78：地上b1", 14, 3, true},
    {"7A95-7A9F：地上b2", 11, 3, true},
    {"7AB7-7ABD：地上b3", 7, 3, true},
    {"7AE2-7AEA：地上c1", 9, 3, true},
    {"7AF8-7AFE：地上c2", 7, 3, true},
    {"7B16-7B1D：地上i", 8, 3, true},
    {"7B45-7B4C：地上d1", 8, 3, true},
    {"7B6A-7B73：地上d2", 10, 3, true},
    {"7B91-7B95：死i", 5, 3, true},
    {"7B96-7B9F：地上d3・死", 10, 3, true},
    {"7C16-7C46：城", 49, 0, true},
    {"7C69-7C72：ゲームオーバー", 10, 3, true},
    {"7C9A-7CA8：残り100", 15, 2, true},
    {"7CE1-7CFC：ゴール", 28, 4, true},
    {"7DD2-7E01：海", 48, 1, true},
    {"7E85-7EAC：斧", 40, 1, true},
    {"7EEC-7EFB：メロネ姫", 16, 2, true},
};

constinit const SingleByteChannel kChannel{kCodeRows, kRegions};

}  // namespace

const Program kProgram{"pulsar", kChannel, kIds, kKeys, 0};  // "休" enters event index 0

}  // namespace pulsar
