#pragma once

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstddef>

// Time taken by one call, in seconds, for benchmarks that time part of an iteration by
// hand: the rest (bringing the state back) stays out of the figure.
template <class Operation>
double SecondsOf(Operation&& operation)
{
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    operation();
    benchmark::ClobberMemory();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The benchmark loop for an operation at an empty and at a full history, timed in turns so
// that drift of the machine touches both alike: `prepare(full)` brings that subject to its
// history (not timed), `time(full)` runs the operation once and returns its seconds, and
// `fullOutput()` tells how much output the operation meets at the full history. Reported
// as counters in microseconds per call and as their ratio.
template <class Prepare, class Time, class FullOutput>
void TimeEmptyAndFull(benchmark::State& state, Prepare prepare, Time time, FullOutput fullOutput)
{
    double empty = 0;
    double full = 0;
    std::size_t fullChars = 0;
    while (state.KeepRunning()) {
        prepare(false);
        const double atEmpty = time(false);
        prepare(true);
        fullChars = fullOutput();
        const double atFull = time(true);
        empty += atEmpty;
        full += atFull;
        state.SetIterationTime(atEmpty + atFull);
    }
    const auto calls = static_cast<double>(state.iterations());
    state.counters["empty_us"] = empty / calls * 1e6;
    state.counters["full_us"] = full / calls * 1e6;
    state.counters["full/empty"] = full / empty;
    state.counters["full_chars"] = static_cast<double>(fullChars);
}
