#pragma once

#include <benchmark/benchmark.h>

#include <chrono>

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

// Sums of the times of an operation at an empty and at a full history, taken in turns so
// that drift of the machine touches both alike; reported as counters in microseconds per
// call and as their ratio.
struct EmptyAndFull {
    double empty = 0;
    double full = 0;

    void Report(benchmark::State& state) const
    {
        const auto calls = static_cast<double>(state.iterations());
        state.counters["empty_us"] = empty / calls * 1e6;
        state.counters["full_us"] = full / calls * 1e6;
        state.counters["full/empty"] = full / empty;
    }
};
