// Each editing operation of each program, through the windowless model of its dialog
// (the core's Composer with the exchange contract), at an empty and at a full history.
//
// "Empty" and "full" are the histories just before the operation: an append starts at 0
// and at 997 entries (so it fills the history), the end marker at 1 and at 997 (the
// length-change voice takes it only after an entry), a take-back at 1 and at 998, a region
// change at 0 and at 998. Only the operation is timed; bringing the state back is not.
// Then the bytes of a full history pasted into an empty composition, in one operation.
#include "bench/bench_programs.h"
#include "bench/manual_timing.h"
#include "replay/dialog_model.h"

#include <benchmark/benchmark.h>

#include <functional>
#include <string>

namespace {

struct Operation {
    const char* name;
    int emptyDepth;
    int fullDepth;
    std::function<void(DialogModel&, const BenchProgram&)> run;
};

void SetDepth(DialogModel& model, const BenchProgram& bench, int entries)
{
    SetHistoryDepth(
        model.State(), bench, entries, [&](int id) { model.Click(id); },
        [&](int position) { model.CheckLength(position); });
}

const Operation kOperations[] = {
    {"append", 0, kFullHistory - 1,
     [](DialogModel& model, const BenchProgram& bench) {
         model.CheckLength(model.State().history.Top() % 2);
         model.Click(bench.append);
     }},
    {"end_marker", 1, kFullHistory - 1,
     [](DialogModel& model, const BenchProgram& bench) { model.Click(bench.program.ids.end); }},
    {"take_back", 1, kFullHistory,
     [](DialogModel& model, const BenchProgram& bench) { model.Click(bench.program.ids.back); }},
    {"region_change", 0, kFullHistory,
     [](DialogModel& model, const BenchProgram& bench) { model.PickRegion(bench.otherRegion); }},
};

void RunOperation(benchmark::State& state, const BenchProgram& bench, const Operation& operation)
{
    DialogModel empty(bench.program);
    DialogModel full(bench.program);
    TimeEmptyAndFull(
        state,
        [&](bool atFull) {
            DialogModel& model = atFull ? full : empty;
            model.PickRegion(0);
            SetDepth(model, bench, atFull ? operation.fullDepth : operation.emptyDepth);
        },
        [&](bool atFull) { return SecondsOf([&] { operation.run(atFull ? full : empty, bench); }); },
        [&] { return full.State().outputText.size(); });
}

void RunPaste(benchmark::State& state, const BenchProgram& bench)
{
    DialogModel source(bench.program);
    SetDepth(source, bench, kFullHistory);
    const std::string bytes = source.Output();
    DialogModel model(bench.program);
    double seconds = 0;
    while (state.KeepRunning()) {
        model.PickRegion(bench.otherRegion);
        model.PickRegion(0);
        const double paste = SecondsOf([&] { model.Paste(bytes); });
        seconds += paste;
        state.SetIterationTime(paste);
    }
    state.counters["paste_us"] = seconds / static_cast<double>(state.iterations()) * 1e6;
    state.counters["entries"] = model.State().history.Top();
}

}  // namespace

int main(int argc, char** argv)
{
    for (const BenchProgram& bench : BenchPrograms()) {
        for (const Operation& operation : kOperations) {
            const std::string name = "composer/" + std::string(bench.program.name) + "/" + operation.name;
            auto* registered = benchmark::RegisterBenchmark(
                name.c_str(), [&bench, &operation](benchmark::State& state) { RunOperation(state, bench, operation); });
            // A region change empties the history, which then takes 998 appends to refill.
            registered->UseManualTime()->Iterations(std::string(operation.name) == "region_change" ? 200 : 20000);
        }
        const std::string paste = "composer/" + std::string(bench.program.name) + "/paste_full_history";
        benchmark::RegisterBenchmark(paste.c_str(), [&bench](benchmark::State& state) { RunPaste(state, bench); })
            ->UseManualTime()
            ->Iterations(200);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
