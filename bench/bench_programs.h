#pragma once

#include "core/composer_state.h"
#include "core/program.h"

#include <span>

// The three composer programs as the benchmarks drive them.
struct BenchProgram {
    const Program& program;
    int append;       // a push button that appends one event
    int otherRegion;  // a region to change to from region 0
};

std::span<const BenchProgram> BenchPrograms();

// A full history, as the benchmarks compare against an empty one.
inline constexpr int kFullHistory = HistoryStack::kCapacity;

// Brings the history of `state` to `entries` entries through the program's buttons: takes
// entries back, or appends them at alternating lengths, so that the length-change voice
// writes its length byte each time (998 entries make about 4,000 characters there).
template <class Click, class CheckLength>
void SetHistoryDepth(const ComposerState& state, const BenchProgram& bench, int entries, Click click,
                     CheckLength checkLength)
{
    while (state.history.Top() > entries)
        click(bench.program.ids.back);
    while (state.history.Top() < entries) {
        checkLength(state.history.Top() % 2);
        click(bench.append);
    }
}
