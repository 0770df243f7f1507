#include "rustle/program.h"

#include "core/single_byte_channel.h"

namespace rustle {
namespace {

// Event index 0..3 ("休", "チ", "コッ", "チー") of each length code 80..87.
constexpr EventCodeRows kCodeRows = {
    "04102030", "44506070", "8490A0B0", "C4D0E0F0",
    "05112131", "45516171", "8591A1B1", "C5D1E1F1",
};

constexpr RegionEntry kRegions[] = {
    {"7A08-7A10：スター・雲", 9, 4, true},
    {"7AC9-7AD1：地上a-b3", 9, 3, true},
    {"7B2A-7B34：地上c1・c2・i", 11, 3, true},
    {"7BAF-7BB3：地上d1-d3", 5, 3, true},
    {"7DCA-7DD1：海", 8, 1, true},
};

constinit const SingleByteChannel kChannel{kCodeRows, kRegions};

}  // namespace

const Program kProgram{"rustle", kChannel, kIds, kKeys, 0};  // "休" enters event index 0

}  // namespace rustle
