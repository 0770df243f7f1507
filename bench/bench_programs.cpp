#include "bench/bench_programs.h"

#include "pulsar/program.h"
#include "rustle/program.h"
#include "twinwave/program.h"

#include <array>

namespace {

// Each program's first region accepts the end marker.
const std::array<BenchProgram, 3> kPrograms = {{
    {rustle::kProgram, 1020, 4},    // "チ"
    {pulsar::kProgram, 1030, 12},   // key "c"
    {twinwave::kProgram, 1020, 23},  // key "c"
}};

}  // namespace

std::span<const BenchProgram> BenchPrograms()
{
    return kPrograms;
}
