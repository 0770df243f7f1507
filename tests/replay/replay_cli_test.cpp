// composer-replay through its command line: a script in, the printed lines and status out.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

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

ReplayRun Replay(const std::string& arguments, const std::string& script)
{
    // CTest runs tests side by side: each run has files of its own.
    const std::string stem = ::testing::TempDir() + "replay_" + std::to_string(getpid()) + "_"
                             + ::testing::UnitTest::GetInstance()->current_test_info()->name();
    const std::string in = stem + ".in", out = stem + ".out", err = stem + ".err";
    std::ofstream(in) << script;
    const std::string command = std::string(REPLAY_EXE) + " " + arguments + " <" + in + " >" + out + " 2>" + err;
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, Slurp(out), Slurp(err)};
}

}  // namespace

TEST(ReplayTool, PlaysAScriptWithCommentsAndBlankLines)
{
    const ReplayRun run = Replay("pulsar", "# the castle\nregion 12\n\nlength 1\nclick 1030\n  # indented comment\n"
                                           "length 0\r\nclick 1030\nclick 1027\nshow\nlength 6\nregion 12\nshow\nregion 13\nshow\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out,
              "region=12 count=2 budget=49 durations=2,5,10,20,30,40,60,80 total=7 length=0 output=14D5\n"
              "region=12 count=2 budget=49 durations=2,5,10,20,30,40,60,80 total=7 length=6 output=14D5\n"
              "region=13 count=0 budget=10 durations=3,6,9,12,18,27,36,54 total=0 length=0 output=\n");
}

TEST(ReplayTool, BadLineStopsWithItsNumberAfterTheLinesBeforeIt)
{
    // An unknown action, regions and lengths out of range, a number box, the output box, an
    // id no control has, a missing or bad number, a word too many.
    const struct {
        const char* program;
        const char* badLine;
    } cases[] = {{"rustle", "jump 3"}, {"rustle", "region 5"}, {"pulsar", "region -1"}, {"rustle", "length 8"},
                 {"twinwave", "click 1001"}, {"rustle", "click 1026"}, {"pulsar", "click 1021"}, {"rustle", "click"},
                 {"rustle", "click 10x"}, {"rustle", "show now"}, {"rustle", "region 99999999999"}};
    for (const auto& c : cases) {
        const ReplayRun run = Replay(c.program, std::string("length 2\nshow\n\n") + c.badLine + "\nshow\n");
        EXPECT_EQ(run.status, 2) << c.badLine;
        EXPECT_EQ(run.out.find("length=2"), run.out.rfind("length=2")) << "exactly one show line: " << c.badLine;
        EXPECT_NE(run.out.find("length=2"), std::string::npos) << c.badLine;
        EXPECT_NE(run.err.find("line 4"), std::string::npos) << c.badLine << ": " << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
}

TEST(ReplayTool, ProgramNameIsRequired)
{
    for (const char* arguments : {"", "noise", "rustle pulsar"}) {
        const ReplayRun run = Replay(arguments, "show\n");
        EXPECT_EQ(run.status, 2) << arguments;
        EXPECT_EQ(run.out, "") << arguments;
        EXPECT_NE(run.err.find("usage"), std::string::npos) << arguments;
    }
}

// The samples the README's first command plays.
TEST(ReplayTool, SamplesPlayTheWorkedExamples)
{
    auto play = [](const std::string& program) {
        return Replay(program, Slurp(std::string(SAMPLES_DIR) + "/" + program + ".txt"));
    };
    const ReplayRun rustle = play("rustle"), pulsar = play("pulsar"), twinwave = play("twinwave");
    EXPECT_EQ(rustle.status + pulsar.status + twinwave.status, 0) << rustle.err << pulsar.err << twinwave.err;
    EXPECT_NE(rustle.out.find("count=4 budget=9 durations=3,6,9,12,18,27,36,54 total=69 length=3 output=5004F100\n"), std::string::npos);
    EXPECT_NE(pulsar.out.find("total=87 length=7 output=14D505\n"), std::string::npos);
    EXPECT_NE(twinwave.out.find("count=8 budget=26 durations=2,4,6,8,12,18,24,36 total=20 length=3 output=8114188704008714\n"),
              std::string::npos);
}
