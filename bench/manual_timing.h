#pragma once

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstddef>
#include <string>

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

// The benchmark loop for two operations timed in turns, so that drift of the machine touches
// both alike: `first(false)` and `second(true)` each bring their subject to its state (not
// timed), run the operation once and return its seconds. Reported as counters in
// microseconds per call, `<firstName>_us` and `<secondName>_us`, and as their ratio.
template <class Time>
void TimeInTurns(benchmark::State& state, const std::string& firstName, const std::string& secondName, Time time)
{
    double first = 0;
    double second = 0;
    while (state.KeepRunning()) {
        const double once = time(false);
        const double twice = time(true);
        first += once;
        second += twice;
        state.SetIterationTime(once + twice);
    }
    const auto calls = static_cast<double>(state.iterations());
    state.counters[firstName + "_us"] = first / calls * 1e6;
    state.counters[secondName + "_us"] = second / calls * 1e6;
    state.counters[secondName + "/" + firstName] = second / first;
}

// An operation at an empty and at a full history, timed in turns: `prepare(full)` brings
// that subject to its history (not timed), `time(full)` runs the operation once and returns
// its seconds, and `fullOutput()` tells how much output the operation meets at the full
// history.
template <class Prepare, class Time, class FullOutput>
void TimeEmptyAndFull(benchmark::State& state, Prepare prepare, Time time, FullOutput fullOutput)
{
    TimeInTurns(state, "empty", "full", [&](bool full) {
        prepare(full);
        return time(full);
    });
    state.counters["full_chars"] = static_cast<double>(fullOutput());
}
