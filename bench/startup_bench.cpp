// Start-up to the dialog shown, and peak memory, of each program against a bare toolkit
// dialog with as many controls of the same kinds (bare_dialog). Each run is a process of
// its own that closes its dialog right after the first painting (the programs with
// ORVO_CLOSE_WHEN_SHOWN set); program and bare dialog run in turns, and the counters give
// the medians of both and their ratios.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

extern char** environ;

namespace {

constexpr int kRuns = 15;

bool someRunFailed = false;  // the exit status tells, so that a smoke run catches it

void Fail(benchmark::State& state, const std::string& message)
{
    someRunFailed = true;
    state.SkipWithError(message.c_str());
}

struct ProcessRun {
    double seconds = 0;     // from start to end, as the user waits
    double cpuSeconds = 0;  // user and system time: what the run did, however busy the machine
    double peakMegabytes = 0;
    bool ok = false;
};

double Seconds(const timeval& time)
{
    return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) / 1e6;
}

// Runs `arguments` with `extraEnvironment` added and its output discarded, to its end.
ProcessRun RunProcess(const std::vector<std::string>& arguments, const std::vector<std::string>& extraEnvironment)
{
    std::vector<std::string> environment(extraEnvironment);
    for (char** variable = environ; *variable != nullptr; ++variable)
        environment.emplace_back(*variable);
    std::vector<char*> argv;
    std::vector<char*> envp;
    argv.reserve(arguments.size() + 1);
    envp.reserve(environment.size() + 1);
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    for (const std::string& variable : environment)
        envp.push_back(const_cast<char*>(variable.c_str()));
    argv.push_back(nullptr);
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    ProcessRun run;
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    if (posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), envp.data()) == 0) {
        int status = 0;
        rusage usage{};
        if (wait4(child, &status, 0, &usage) == child) {
            run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            run.cpuSeconds = Seconds(usage.ru_utime) + Seconds(usage.ru_stime);
            run.peakMegabytes = static_cast<double>(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
            run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
        }
    }
    posix_spawn_file_actions_destroy(&actions);
    return run;
}

double Median(std::vector<double> values)
{
    std::ranges::sort(values);
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void StartUp(benchmark::State& state, const std::string& program, const std::string& executable)
{
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    const std::vector<std::string> toolkit = {std::string("QT_QPA_PLATFORM=") + (platform != nullptr ? platform : "offscreen")};
    std::vector<std::string> programEnvironment = toolkit;
    programEnvironment.emplace_back("ORVO_CLOSE_WHEN_SHOWN=1");
    const std::vector<std::string> programCommand = {executable};
    const std::vector<std::string> bareCommand = {BARE_DIALOG_EXE, program};

    // Once each first, so that both find the libraries and fonts in the page cache.
    if (!RunProcess(programCommand, programEnvironment).ok || !RunProcess(bareCommand, toolkit).ok) {
        Fail(state, "cannot run " + executable + " or the bare dialog");
        return;
    }
    std::map<std::string, std::vector<double>> samples;
    while (state.KeepRunning()) {
        const ProcessRun programRun = RunProcess(programCommand, programEnvironment);
        const ProcessRun bareRun = RunProcess(bareCommand, toolkit);
        if (!programRun.ok || !bareRun.ok) {
            Fail(state, "a run did not end with status 0");
            return;
        }
        samples["program_ms"].push_back(programRun.seconds * 1e3);
        samples["bare_ms"].push_back(bareRun.seconds * 1e3);
        samples["program_cpu_ms"].push_back(programRun.cpuSeconds * 1e3);
        samples["bare_cpu_ms"].push_back(bareRun.cpuSeconds * 1e3);
        samples["program_MB"].push_back(programRun.peakMegabytes);
        samples["bare_MB"].push_back(bareRun.peakMegabytes);
        state.SetIterationTime(programRun.seconds);
    }
    for (const auto& [name, values] : samples)
        state.counters[name] = Median(values);
    state.counters["time_ratio"] = Median(samples["program_ms"]) / Median(samples["bare_ms"]);
    state.counters["cpu_ratio"] = Median(samples["program_cpu_ms"]) / Median(samples["bare_cpu_ms"]);
    state.counters["memory_ratio"] = Median(samples["program_MB"]) / Median(samples["bare_MB"]);
}

}  // namespace

int main(int argc, char** argv)
{
    const std::pair<const char*, const char*> programs[] = {
        {"rustle", RUSTLE_EXE}, {"pulsar", PULSAR_EXE}, {"twinwave", TWINWAVE_EXE}};
    for (const auto& [program, executable] : programs) {
        benchmark::RegisterBenchmark((std::string("startup/") + program).c_str(),
                                     [program = std::string(program), executable = std::string(executable)](
                                         benchmark::State& state) { StartUp(state, program, executable); })
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond)
            ->Iterations(kRuns);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return someRunFailed ? 1 : 0;
}
