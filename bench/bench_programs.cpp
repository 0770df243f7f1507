#include "bench/bench_programs.h"

#include "pulsar/program.h"
#include "rustle/program.h"
#include "twinwave/program.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>

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

const BenchProgram& BenchProgramNamed(std::string_view name)
{
    const auto found = std::ranges::find(kPrograms, name, [](const BenchProgram& p) { return p.program.name; });
    if (found == kPrograms.end())
        throw std::invalid_argument("no program " + std::string(name));
    return *found;
}
