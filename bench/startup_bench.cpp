// Start-up to the dialog shown, and peak memory, of each program against a bare dialog with
// as many controls of the same kinds (bare_dialog). Each run is a process of its own on the
// benchmark's own X server (Xvfb), timed from its start until its window is mapped; then the
// benchmark ends it as a user would, with Escape through the X server (xdotool), and expects
// status 0. Program and bare dialog run in turns, and the counters give the medians of both
// and their ratios.
//   startup_bench [--wine SESSION_FILE] BARE_DIALOG PROGRAM... [--benchmark_...]
// With --wine the programs and the bare dialog are Windows ones: they run under Wine in the
// session that tests/windows/session.sh started, on its X server ($DISPLAY) and window
// manager.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <iostream>
#include <map>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

// Last: Xlib defines macros with plain names (None, Status, Bool).
#include <X11/Xlib.h>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr int kRuns = 15;
constexpr auto kPatience = 30s;  // for a window to show, or a process to end

bool someRunFailed = false;  // the exit status tells, so that a smoke run catches it

void Fail(benchmark::State& state, const std::string& message)
{
    someRunFailed = true;
    state.SkipWithError(message.c_str());
}

// Starts `arguments` with `extraEnvironment` added and its output discarded; with
// `passedFd` set, the child finds it as its descriptor 3. Returns the process, or 0.
pid_t Spawn(const std::vector<std::string>& arguments, const std::vector<std::string>& extraEnvironment,
            int passedFd = -1)
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
    if (passedFd >= 0)
        posix_spawn_file_actions_adddup2(&actions, passedFd, 3);
    pid_t child = 0;
    if (posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0)
        child = 0;
    posix_spawn_file_actions_destroy(&actions);
    return child;
}

// Waits for `child` to end, up to kPatience; false, with the child killed, when it did not.
bool Reap(pid_t child, int& status, rusage& usage)
{
    const Clock::time_point deadline = Clock::now() + kPatience;
    while (wait4(child, &status, WNOHANG, &usage) == 0) {
        if (Clock::now() > deadline) {
            kill(child, SIGKILL);
            wait4(child, &status, 0, &usage);
            return false;
        }
        std::this_thread::sleep_for(1ms);
    }
    return true;
}

// Whether `child` has ended (or is no child of ours); it is left to be reaped.
bool HasEnded(pid_t child)
{
    siginfo_t ended{};
    return waitid(P_PID, static_cast<id_t>(child), &ended, WEXITED | WNOHANG | WNOWAIT) != 0 || ended.si_pid == child;
}

// Whether `child` ends within `time`; it is left to be reaped.
bool EndsWithin(pid_t child, std::chrono::milliseconds time)
{
    const Clock::time_point deadline = Clock::now() + time;
    while (!HasEnded(child)) {
        if (Clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(1ms);
    }
    return true;
}

bool EndedWithZero(int status)
{
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// An X server of the benchmark's own, and a connection to it that hears of every window
// mapped at the top level.
class XServer {
public:
    // The server on `display`; with none, one started for the benchmark.
    explicit XServer(const char* display)
    {
        if (display != nullptr) {
            Connect(display);
            return;
        }
        int fds[2];
        if (pipe2(fds, O_CLOEXEC) != 0)
            return;
        // The server picks a free display and writes its number once it accepts clients.
        process_ = Spawn({XVFB_EXE, "-displayfd", "3", "-screen", "0", "1280x800x24", "-nolisten", "tcp"}, {}, fds[1]);
        close(fds[1]);
        std::string number;
        char digit = 0;
        while (process_ != 0 && read(fds[0], &digit, 1) == 1 && digit != '\n')
            number += digit;
        close(fds[0]);
        if (!number.empty())
            Connect(":" + number);
    }
    ~XServer()
    {
        if (display_ != nullptr)
            XCloseDisplay(display_);
        if (process_ != 0) {
            kill(process_, SIGTERM);
            waitpid(process_, nullptr, 0);
        }
    }
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;

    bool Ready() const { return display_ != nullptr; }
    // DISPLAY and QT_QPA_PLATFORM for a program shown on this server.
    std::vector<std::string> Environment() const { return {"DISPLAY=" + name_, "QT_QPA_PLATFORM=xcb"}; }

    // Forgets what happened up to now.
    void Forget() const { XSync(display_, True); }

    // The next window of `child` mapped at the top level, unless `child` ends first or
    // kPatience passes. (Wine maps windows of its own processes as well.)
    std::optional<Window> NextMappedWindow(pid_t child) const
    {
        const Clock::time_point deadline = Clock::now() + kPatience;
        pollfd connection{XConnectionNumber(display_), POLLIN, 0};
        while (Clock::now() < deadline) {
            while (XPending(display_) > 0) {
                XEvent event;
                XNextEvent(display_, &event);
                if (event.type != MapNotify || event.xmap.override_redirect)
                    continue;
                // Without a window manager the window itself is mapped.
                const Window client = ClientOf(event.xmap.window);
                const Window shown = client != 0 ? client : event.xmap.window;
                if (ProcessOf(shown) == child)
                    return shown;
            }
            if (HasEnded(child))
                return std::nullopt;
            poll(&connection, 1, 10);
        }
        return std::nullopt;
    }

private:
    // Property `name` of `window`: whether it has it, and its first 32-bit item (0 for none).
    std::pair<bool, long> Property(Window window, const char* name) const
    {
        Atom type = 0;
        int format = 0;
        unsigned long items = 0, after = 0;
        unsigned char* data = nullptr;
        XGetWindowProperty(display_, window, XInternAtom(display_, name, False), 0, 1, False, AnyPropertyType, &type,
                           &format, &items, &after, &data);
        const long first = data != nullptr && items > 0 && format == 32 ? *reinterpret_cast<long*>(data) : 0;
        if (data != nullptr)
            XFree(data);
        return {type != 0, first};
    }

    // The program's own window in `window`: `window` itself, or where a window manager put it
    // into a frame of its own, the window inside that has the state a window manager sets;
    // 0 when there is none.
    Window ClientOf(Window window) const
    {
        if (Property(window, "WM_STATE").first)
            return window;
        Window root = 0, parent = 0, *children = nullptr;
        unsigned int count = 0;
        if (!XQueryTree(display_, window, &root, &parent, &children, &count))
            return 0;
        Window client = 0;
        for (unsigned int i = 0; i < count && client == 0; ++i)
            client = ClientOf(children[i]);
        if (children != nullptr)
            XFree(children);
        return client;
    }

    // The process that says it owns `window` (_NET_WM_PID), or 0.
    pid_t ProcessOf(Window window) const { return static_cast<pid_t>(Property(window, "_NET_WM_PID").second); }

    void Connect(const std::string& name)
    {
        name_ = name;
        display_ = XOpenDisplay(name_.c_str());
        if (display_ != nullptr)
            XSelectInput(display_, XDefaultRootWindow(display_), SubstructureNotifyMask);
    }

    pid_t process_ = 0;
    std::string name_;
    Display* display_ = nullptr;
};

struct ProcessRun {
    double seconds = 0;     // from start to the window shown, as the user waits
    double cpuSeconds = 0;  // user and system time: what the run did, however busy the machine
    double peakMegabytes = 0;
    bool ok = false;
};

double Seconds(const timeval& time)
{
    return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) / 1e6;
}

// Runs `command` on `server` until its window is shown, then presses Escape in that window.
ProcessRun RunUntilShown(const XServer& server, const std::vector<std::string>& command)
{
    ProcessRun run;
    const std::vector<std::string> environment = server.Environment();
    server.Forget();
    const Clock::time_point start = Clock::now();
    const pid_t child = Spawn(command, environment);
    if (child == 0)
        return run;
    const std::optional<Window> window = server.NextMappedWindow(child);
    run.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    // Escape again where a window that has just shown takes no keys yet.
    bool escaped = false;
    for (int tries = 0; window && !escaped && tries < 5; ++tries) {
        const pid_t xdotool =
            Spawn({XDOTOOL_EXE, "windowfocus", "--sync", std::to_string(*window), "key", "Escape"}, environment);
        int status = 0;
        rusage unused{};
        escaped = xdotool != 0 && Reap(xdotool, status, unused) && EndedWithZero(status) && EndsWithin(child, 2s);
    }
    int status = 0;
    rusage usage{};
    const bool ended = Reap(child, status, usage);
    run.cpuSeconds = Seconds(usage.ru_utime) + Seconds(usage.ru_stime);
    run.peakMegabytes = static_cast<double>(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
    run.ok = escaped && ended && EndedWithZero(status);
    return run;
}

double Median(std::vector<double> values)
{
    std::ranges::sort(values);
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// What runs each executable: nothing, or Wine in a session.
std::vector<std::string> launcher;

void StartUp(benchmark::State& state, const XServer& server, const std::string& program, const std::string& executable,
             const std::string& bareDialog)
{
    std::vector<std::string> programCommand = launcher;
    programCommand.push_back(executable);
    std::vector<std::string> bareCommand = launcher;
    bareCommand.insert(bareCommand.end(), {bareDialog, program});

    // Once each first, so that both find the libraries and fonts in the page cache.
    if (!RunUntilShown(server, programCommand).ok || !RunUntilShown(server, bareCommand).ok) {
        Fail(state, "cannot run " + executable + " or the bare dialog to its end by Escape");
        return;
    }
    std::map<std::string, std::vector<double>> samples;
    while (state.KeepRunning()) {
        const ProcessRun programRun = RunUntilShown(server, programCommand);
        const ProcessRun bareRun = RunUntilShown(server, bareCommand);
        if (!programRun.ok || !bareRun.ok) {
            Fail(state, "a run did not show its window and end with status 0 after Escape");
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
    std::vector<char*> options{argv[0]};  // Google Benchmark's, for it to read
    std::vector<std::string> executables;
    const char* display = nullptr;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--wine" && i + 1 < argc) {
            launcher = {RUN_UNDER_WINE, argv[++i]};
            display = std::getenv("DISPLAY");
        } else if (argument.starts_with("--")) {
            options.push_back(argv[i]);
        } else {
            executables.emplace_back(argument);
        }
    }
    if (executables.size() < 2) {
        std::cerr << "usage: startup_bench [--wine SESSION_FILE] BARE_DIALOG PROGRAM... [--benchmark_...]\n";
        return 2;
    }
    const XServer server(display);
    if (!server.Ready()) {
        std::cerr << "startup_bench: cannot reach an X server\n";
        return 1;
    }
    for (auto executable = executables.begin() + 1; executable != executables.end(); ++executable) {
        const std::string program = std::filesystem::path(*executable).stem().string();
        benchmark::RegisterBenchmark(("startup/" + program).c_str(),
                                     [&server, program, executable = *executable, bare = executables.front()](
                                         benchmark::State& state) { StartUp(state, server, program, executable, bare); })
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond)
            ->Iterations(kRuns);
    }
    int count = static_cast<int>(options.size());
    benchmark::Initialize(&count, options.data());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return someRunFailed ? 1 : 0;
}
