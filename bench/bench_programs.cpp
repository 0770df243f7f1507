#include "bench/bench_programs.h"

#include "pulsar/ids.h"
#include "pulsar/square1_channel.h"
#include "rustle/ids.h"
#include "rustle/noise_channel.h"
#include "twinwave/ids.h"
#include "twinwave/square2_triangle.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>

namespace {

// Each program's first region accepts the end marker.
const std::array<BenchProgram, 3> kPrograms = {{
    {rustle::kProgram, rustle::IDC_NOISE1, rustle::IDC_BACK, rustle::IDC_END, rustle::IDC_LENSEL0, 4},
    {pulsar::kProgram, 1030, pulsar::IDC_BACK, pulsar::IDC_END, pulsar::IDC_LENSEL0, 12},          // key "c"
    {twinwave::kProgram, 1020, twinwave::IDC_BACK, twinwave::IDC_END, twinwave::IDC_LENSEL0, 23},  // key "c"
}};

}  // namespace

std::span<const BenchProgram> BenchPrograms()
{
    return kPrograms;
}

const BenchProgram& BenchProgramNamed(std::string_view name)
{
    const auto found = std::ranges::find(kPrograms, name, [](const BenchProgram& p) { return p.program.name; });
    if (found == kPrograms.end())
        throw std::invalid_argument("no program " + std::string(name));
    return *found;
}
