// composer-replay through its command line: a script in, the printed lines and status out.
#include <gtest/gtest.h>

#ifdef _WIN32
#include <process.h>
#define getpid _getpid
#else
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>

namespace {

struct ReplayRun {
    int status;
    std::string out;
    std::string err;
};

std::string Slurp(const std::string& path)
{
    std::ifstream file(path);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// Runs `command` in the system's command interpreter; returns its exit status.
int Run(const std::string& command)
{
#ifdef _WIN32
    // The interpreter takes away the first and the last quote of a line that holds more.
    return std::system(("\"" + command + "\"").c_str());
#else
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
}

// Runs composer-replay with `arguments` (quoted with double quotes, which both the POSIX shell
// and Windows' command interpreter take) and `script` as its standard input.
ReplayRun Replay(const std::string& arguments, const std::string& script)
{
    // CTest runs tests side by side: each run has files of its own.
    const std::string stem = ::testing::TempDir() + "replay_" + std::to_string(getpid()) + "_"
                             + ::testing::UnitTest::GetInstance()->current_test_info()->name();
    const std::string in = stem + ".in", out = stem + ".out", err = stem + ".err";
    std::ofstream(in) << script;
    const std::string command = "\"" REPLAY_EXE "\" " + arguments + " <" + in + " >" + out + " 2>" + err;
    ReplayRun run{Run(command), Slurp(out), Slurp(err)};
    for (const std::string& file : {in, out, err})
        std::remove(file.c_str());
    return run;
}

}  // namespace

// A comment fills a line, or ends one after its action.
TEST(ReplayTool, PlaysAScriptWithCommentsAndBlankLines)
{
    const ReplayRun run = Replay("pulsar", "# the castle\nregion 12  # 7C16\n\nlength 1 #2\nclick 1030  # C 2\n"
                                           "  # indented comment\nlength 0\r\nclick 1030\nclick 1027\nshow  # all\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out,
              "region=12 count=2 budget=49 durations=2,5,10,20,30,40,60,80 total=7 length=0 output=14D5\n");
}

// A bad line stops the run after what the lines before it printed; a missing or unknown
// program name or option stops it before anything, with the usage. Either way: status 2,
// and a refused word is quoted short and with its control bytes escaped.
TEST(ReplayTool, ABadLineOrProgramNameStopsSayingWhy)
{
    // An unknown action, regions and lengths out of range, a number box, the output box, an
    // id no control has, a missing or bad number, a word too many, a huge word, a terminal's
    // escape sequence; then the program names.
    const std::string huge(5'000'000, '0');
    const struct {
        const char* arguments;
        std::string badLine;
        std::string error;
    } cases[] = {{"rustle", "jump 3", "line 4"}, {"rustle", "region 5", "line 4"}, {"pulsar", "region -1", "line 4"},
                 {"rustle", "length 8", "line 4"}, {"twinwave", "click 1001", "line 4"},
                 {"rustle", "click 1026", "line 4"}, {"pulsar", "click 1021", "line 4"}, {"rustle", "click", "line 4"},
                 {"rustle", "click 10x", "line 4"}, {"rustle", "show now", "line 4"},
                 {"rustle", "region 99999999999", "line 4"}, {"rustle", "click " + huge, "id 00000000000000000000...\n"},
                 {"rustle", "jump\x1b]0;title\x07", "unknown action 'jump\\x1B]0;title\\x07'"}, {"", "show", "Usage:"},
                 {"noise", "show", "Usage:"}, {"rustle pulsar", "show", "Usage:"}, {"--help rustle", "show", "Usage:"},
                 {"--version --help", "show", "Usage:"}, {"-h", "show", "Usage:"}};
    for (const auto& c : cases) {
        const ReplayRun run = Replay(c.arguments, "length 2\nshow\n\n" + c.badLine + "\nshow\n");
        const std::string context = std::string(c.arguments) + ": " + c.badLine.substr(0, 40) + ": " + run.err;
        const bool usage = c.error == "Usage:";
        EXPECT_EQ(run.status, 2) << context;
        EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), usage ? 0 : 1) << context;
        EXPECT_EQ(run.out.find("length=2") != std::string::npos, !usage) << context;
        EXPECT_NE(run.err.find(c.error), std::string::npos) << context;
        EXPECT_TRUE(usage || std::count(run.err.begin(), run.err.end(), '\n') == 1) << "one line: " << context;
        EXPECT_LT(run.err.size(), 1000U) << context;
    }
}

// Asked for, the usage and the version go to standard output, and all is well.
TEST(ReplayTool, HelpAndVersionAreAnswersNotErrors)
{
    const ReplayRun help = Replay("--help", "show\n");
    const ReplayRun version = Replay("--version", "show\n");
    EXPECT_EQ(help.status + version.status, 0);
    EXPECT_EQ(help.err + version.err, "");
    EXPECT_TRUE(help.out.starts_with("Usage: composer-replay PROGRAM <SCRIPT\n")) << help.out;
    EXPECT_EQ(version.out, "composer-replay " ORVO_VERSION "\n");
}

// The samples are the composers' worked examples: each "show" line ends as the comment
// "# shows ..." after it says.
TEST(ReplayTool, SamplesShowWhatTheirCommentsSay)
{
    for (const char* program : {"rustle", "pulsar", "twinwave"}) {
        const std::string sample = Slurp(std::string(SAMPLES_DIR) + "/" + program + ".txt");
        const ReplayRun run = Replay(program, sample);
        EXPECT_EQ(run.status, 0) << run.err;
        std::istringstream said(sample);
        std::istringstream shown(run.out);
        std::string line;
        std::string shownLine;
        int shows = 0;
        while (std::getline(said, line)) {
            if (!line.starts_with("# shows ... "))
                continue;
            ++shows;
            ASSERT_TRUE(std::getline(shown, shownLine)) << program << ": nothing shown for " << line;
            EXPECT_TRUE(shownLine.ends_with(line.substr(11))) << program << ": " << shownLine << "\n" << line;
        }
        EXPECT_FALSE(std::getline(shown, shownLine)) << program << ": a line no comment says: " << shownLine;
        EXPECT_GE(shows, 6) << program;
    }
}

// Bytes back into clicks: a worked example typed loosely, spaced at will (lower case: below).
TEST(ReplayTool, DecodesBytesIntoTheClicksThatWriteThem)
{
    const ReplayRun decoded = Replay("decode twinwave 0 \"81 14 1887\" 04 \"00\t87 14\"", "");
    EXPECT_EQ(decoded.status, 0) << decoded.err;
    EXPECT_EQ(decoded.out, "region 0\nclick 1020  # C 3\nclick 1022  # D 3\nlength 3\nclick 1063  # rest\n"
                           "click 1083  # end marker\nclick 1020  # C 3\nshow\n");
    EXPECT_TRUE(Replay("twinwave", decoded.out).out.ends_with(" total=20 length=3 output=8114188704008714\n"));
}

// Bytes no clicks in the region write: the first bad one named on one line, nothing printed.
TEST(ReplayTool, DecodeNamesTheFirstBadByte)
{
    const std::pair<std::string, const char*> cases[] = {{"rustle 0 44FF", "byte 1: no click writes FF here"},
        {"twinwave 0 81ff", "byte 1: no click writes FF here"}, {"pulsar 12 \"14 D\"", "byte 1: a byte needs two hex"},
        {"pulsar 12 \"14 D 5\"", "byte 1: a byte needs two hex"}, {"pulsar 12 14D50g", "byte 2: 'g' is no hex digit"},
        {"twinwave 1 811400", "byte 2: the end marker 00 is refused"}, {"twinwave 0 00", "byte 0: the end marker"},
        {"twinwave 0 81140018", "byte 3: note 18 needs a length byte"}, {"twinwave 0 81", "byte 1: the bytes end inside"},
        {"pulsar 0 " + std::string(1998, 'C'), "byte 998: more than 998 entries"}, {"rustle 5 00", "no region of rustle"},
        {"pulsar 12 \"14\x1b[2J\"", "byte 1: '\\x1B' is no hex digit"},
        // As long a word as every platform's command line takes (Windows' takes 8191 characters).
        {"rustle " + std::string(5'000, '7') + " 00", "'77777777777777777777...' is no region"},
        {"noise 0 00", "Usage:"}, {"rustle 0", "Usage:"}};
    for (const auto& [arguments, error] : cases) {
        const ReplayRun run = Replay("decode " + arguments, "");
        EXPECT_EQ(run.status, 2) << arguments;
        EXPECT_EQ(run.out, "") << arguments;
        EXPECT_NE(run.err.find(error), std::string::npos) << arguments << ": " << run.err;
        EXPECT_TRUE(std::string(error) == "Usage:" || std::ranges::count(run.err, '\n') == 1) << run.err;
        EXPECT_LT(run.err.size(), 1000U) << error;
    }
}
