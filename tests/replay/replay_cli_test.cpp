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
// and Windows' command interpreter take) and the bytes of `script` as its standard input.
ReplayRun Replay(const std::string& arguments, const std::string& script)
{
    // CTest runs tests side by side: each run has files of its own.
    const std::string stem = ::testing::TempDir() + "replay_" + std::to_string(getpid()) + "_"
                             + ::testing::UnitTest::GetInstance()->current_test_info()->name();
    const std::string in = stem + ".in", out = stem + ".out", err = stem + ".err";
    std::ofstream(in, std::ios::binary) << script;
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

// A number out of range names the range the action takes: its ends are taken, and the
// numbers just beyond them are not.
TEST(ReplayTool, AnOutOfRangeNumberNamesTheRangeTheActionTakes)
{
    for (const char* program : {"rustle", "pulsar", "twinwave"}) {
        for (const char* name : {"region", "length"}) {
            const std::string action = name;
            const ReplayRun refused = Replay(program, action + " 999\n");
            const std::string prefix = "composer-replay: line 1: " + action + " 999 is out of range (0 to ";
            ASSERT_TRUE(refused.err.starts_with(prefix) && refused.err.ends_with(")\n")) << refused.err;
            const std::string last = refused.err.substr(prefix.size(), refused.err.size() - prefix.size() - 2);
            for (const std::string& taken : {std::string("0"), last})
                EXPECT_EQ(Replay(program, action + " " + taken + "\nshow\n").status, 0) << program << " " << taken;
            for (const std::string& beyond : {std::string("-1"), std::to_string(std::stoi(last) + 1)}) {
                const ReplayRun run = Replay(program, action + " " + beyond + "\n");
                EXPECT_EQ(run.err, "composer-replay: line 1: " + action + " " + beyond + " is out of range (0 to " + last
                                       + ")\n");
            }
        }
    }
    EXPECT_NE(Replay("rustle", "region 5\n").err.find("(0 to 4)"), std::string::npos);
    EXPECT_NE(Replay("twinwave", "length 8\n").err.find("(0 to 7)"), std::string::npos);
}

// A quoted word shows printable ASCII as it is, its ends (space and "~") included, and the
// bytes just outside it escaped.
TEST(ReplayTool, AQuotedWordEscapesExactlyTheBytesOutsidePrintableAscii)
{
    const ReplayRun run = Replay("pulsar", "paste 14 ~\x7F\x1F !}\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.starts_with("composer-replay: line 1: paste '14 ~\\x7F\\x1F !}': ")) << run.err;
    const ReplayRun decoded = Replay("decode rustle \" ~\x7F\" 00", "");
    EXPECT_EQ(decoded.err, "composer-replay: decode: ' ~\\x7F' is no region of rustle (0 to 4)\n");
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

// The form of the show line that --help gives names the fields a show line has, in order.
TEST(ReplayTool, HelpGivesTheShowLinesForm)
{
    const auto names = [](const std::string& line) {
        std::istringstream words(line);
        std::string named;
        for (std::string word; words >> word;)
            named += word.substr(0, word.find('=') + 1);
        return named;
    };
    const std::string help = Replay("--help", "").out;
    const std::size_t form = help.find("region=");
    ASSERT_NE(form, std::string::npos) << help;
    const std::string shown = Replay("rustle", "show\n").out;
    EXPECT_EQ(names(help.substr(form, help.find('\n', form) - form)), names(shown)) << shown;
}

// Bytes pasted into an empty composition come back as they were, in the dialog's form, and
// leave everything as the clicks that write them do.
TEST(ReplayTool, APasteIntoAnEmptyCompositionGivesBackItsBytes)
{
    const struct {
        const char* program;
        const char* region;
        const char* pasted;
        const char* output;
    } cases[] = {{"rustle", "1", "50 04 f1 00", "5004F100"}, {"pulsar", "12", "14d5\t0500", "14D50500"},
                 {"twinwave", "0", "81 14 18 87 04 00 87 14", "8114188704008714"}};
    for (const auto& c : cases) {
        const std::string region = std::string("region ") + c.region;
        const ReplayRun pasted = Replay(c.program, region + "\npaste " + c.pasted + "\nshow\n");
        const ReplayRun clicked = Replay(c.program, Replay(std::string("decode ") + c.program + " " + c.region + " \""
                                                               + c.pasted + "\"", "").out);
        EXPECT_EQ(pasted.status, 0) << c.program << ": " << pasted.err;
        EXPECT_TRUE(pasted.out.ends_with(std::string(" output=") + c.output + "\n")) << pasted.out;
        EXPECT_EQ(pasted.out, clicked.out) << c.program;
    }
}

// After entries a paste goes on from the newest: in twinwave a pasted note's length byte is
// not written again where the newest entry has that length, and a note without its length
// byte takes the newest entry's; after an end marker it needs one.
TEST(ReplayTool, APasteContinuesTheComposition)
{
    const ReplayRun run = Replay("twinwave", "length 0\nclick 1020\nlength 3\npaste 8114\nshow\npaste 87 04\nshow\n"
                                             "paste 14\nshow\nclick 1083\npaste 14\nshow\n");
    const std::string head = "region=0 count=";
    const std::string durations = " budget=26 durations=2,4,6,8,12,18,24,36 total=";
    EXPECT_EQ(run.out, head + "3" + durations + "4 length=0 output=811414\n"                     //
                           + head + "5" + durations + "12 length=3 output=8114148704\n"          //
                           + head + "6" + durations + "20 length=3 output=811414870414\n"        //
                           + head + "7" + durations + "20 length=3 output=81141487041400\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "composer-replay: line 11: paste '14': 貼り付けできません：1 バイト目の音の前に長さのバイトがありません\n");
}

// "←" takes a paste back an entry at a time, each with the bytes it wrote.
TEST(ReplayTool, TakingBackAPasteGoesAnEntryAtATime)
{
    std::string takeBack;
    for (int i = 0; i < 6; ++i)
        takeBack += "click 1081\nshow\n";
    const ReplayRun run = Replay("twinwave", "paste 81 14 18 87 04 00 87 14\n" + takeBack);
    std::istringstream shown(run.out);
    std::string line;
    for (const char* end :
         {"count=6 * total=12 length=3 output=811418870400", "count=5 * total=12 length=3 output=8114188704",
          "count=3 * total=4 length=3 output=811418", "count=2 * total=2 length=3 output=8114",
          "count=0 * total=0 length=3 output=", "count=0 * total=0 length=3 output="}) {
        ASSERT_TRUE(std::getline(shown, line));
        const std::string_view expected(end);
        const std::size_t star = expected.find('*');
        EXPECT_NE(line.find(expected.substr(0, star)), std::string::npos) << line;
        EXPECT_TRUE(line.ends_with(expected.substr(star + 1))) << line << " ~ " << end;
    }
    EXPECT_EQ(run.status, 0) << run.err;
}

// A paste that cannot apply changes nothing, not even the radio position a later region
// change writes back; the run goes on, says why on one line and ends with status 1.
TEST(ReplayTool, ARefusedPasteChangesNothingAndSaysWhy)
{
    const struct {
        const char* program;
        const char* before;  // region and entries
        const char* pasted;
        const char* message;
    } cases[] = {
        {"rustle", "region 0\nclick 1020", "44 ff", "2 バイト目はこの領域では書けません"},
        {"pulsar", "region 12\nclick 1030", "14 D5 0g", "3 バイト目に 16 進数でない文字があります"},
        {"pulsar", "region 12", "14 D 5", "2 バイト目が 2 桁の 16 進数になっていません"},
        {"pulsar", "region 12", "14\x1b[2J", "2 バイト目に 16 進数でない文字があります"},
        {"twinwave", "region 1\nclick 1020", "8114 00", "3 バイト目の終わりの 00 はここでは書けません"},
        {"twinwave", "region 0", "00", "1 バイト目の終わりの 00 はここでは書けません"},
        {"twinwave", "region 0\nclick 1020", "811400 18", "4 バイト目の音の前に長さのバイトがありません"},
        {"twinwave", "region 0\nclick 1020", "81", "2 バイト目がなく、項目の途中で終わっています"},
        {"twinwave", "region 0\nclick 1020", "# nothing", "貼り付けるバイトがありません"},
    };
    for (const auto& c : cases) {
        const std::string before = std::string(c.before) + "\nlength 5\nshow\n";
        const std::string after = "show\nregion 3\nregion 4\nshow\n";
        const ReplayRun refused = Replay(c.program, before + "paste " + c.pasted + "\n" + after);
        const ReplayRun without = Replay(c.program, before + after);
        const std::string context = std::string(c.program) + " " + c.pasted;
        EXPECT_EQ(refused.status, 1) << context;
        EXPECT_EQ(refused.out, without.out) << context;
        const std::size_t lines = static_cast<std::size_t>(std::ranges::count(std::string_view(c.before), '\n'));
        EXPECT_TRUE(refused.err.starts_with("composer-replay: line " + std::to_string(lines + 4) + ": paste '"))
            << refused.err;
        EXPECT_TRUE(refused.err.ends_with(std::string("': 貼り付けできません：") + c.message + "\n")) << refused.err;
        EXPECT_EQ(std::ranges::count(refused.err, '\n'), 1) << refused.err;
    }
}

// A composition takes 998 entries, pasted or clicked: a paste that fits exactly is taken,
// one an entry longer is refused whole.
TEST(ReplayTool, APasteFillsTheHistoryButDoesNotOverflowIt)
{
    const auto entries = [](int n) {
        std::string text;
        for (int i = 0; i < n; ++i)
            text += "14 ";
        return text;
    };
    const ReplayRun fits = Replay("pulsar", "region 12\npaste " + entries(998) + "\nshow\nregion 0\nregion 12\n"
                                            "click 1030\npaste " + entries(997) + "\nshow\npaste 14\nshow\n");
    EXPECT_EQ(fits.status, 1);
    std::istringstream shown(fits.out);
    std::string line;
    for (const char* count : {"count=998 ", "count=998 ", "count=998 "}) {
        ASSERT_TRUE(std::getline(shown, line));
        EXPECT_NE(line.find(count), std::string::npos) << line.substr(0, 100);
    }
    EXPECT_EQ(fits.err, "composer-replay: line 9: paste '14': 貼り付けできません：998 項目を超えます\n");

    const ReplayRun overflows = Replay("pulsar", "region 12\nclick 1030\npaste " + entries(998) + "\nshow\n");
    EXPECT_EQ(overflows.status, 1);
    EXPECT_TRUE(overflows.out.ends_with(" count=1 budget=49 durations=2,5,10,20,30,40,60,80 total=2 length=0 output=D5\n"))
        << overflows.out;
    EXPECT_NE(overflows.err.find("：998 項目を超えます"), std::string::npos) << overflows.err;
}

// A script as editors and shells save it: UTF-8 with or without a byte-order mark, or UTF-16
// in either byte order after its mark, with LF or CR LF line ends. Each runs as the plain
// UTF-8 script does, and its characters reach the dialog as their UTF-8 bytes, which a
// refused paste quotes: a character beyond U+FFFF is a pair of UTF-16 units. Bytes that a
// text stream would take for a line end (0D 0A) or the end of a file (1A) are characters'.
#define WINDOWS_TUNE(prefix) \
    prefix##"region 0  # 曲\nlength 3  # \u0A0D\u0D0A\nclick 1020  # C 3\npaste 14 🎵♯Ě\nshow  # F♯ 2\n"
TEST(ReplayTool, ReadsUtf8AndUtf16ScriptsWithEitherLineEnd)
{
    const auto withCrLf = [](auto text) {
        for (std::size_t at = 0; (at = text.find('\n', at)) != text.npos; at += 2)
            text.insert(at, 1, '\r');
        return text;
    };
    const auto utf16 = [](std::u16string_view text, bool littleEndian) {
        std::string bytes;
        for (const char16_t unit : u"\uFEFF" + std::u16string(text)) {
            const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
            (bytes += littleEndian ? low : high) += littleEndian ? high : low;
        }
        return bytes;
    };
    const ReplayRun plain = Replay("twinwave", WINDOWS_TUNE());
    EXPECT_EQ(plain.status, 1);
    EXPECT_TRUE(plain.out.ends_with(" total=8 length=3 output=8714\n")) << plain.out;
    const std::string quoted = "'14 \\xF0\\x9F\\x8E\\xB5\\xE2\\x99\\xAF\\xC4\\x9A'";
    EXPECT_TRUE(plain.err.starts_with("composer-replay: line 4: paste " + quoted + ": ")) << plain.err;

    const std::string utf8 = WINDOWS_TUNE();
    const std::u16string text16 = WINDOWS_TUNE(u);
    const std::pair<const char*, std::string> scripts[] = {{"UTF-8, CR LF", withCrLf(utf8)},
        {"UTF-8 with a mark", "\xEF\xBB\xBF" + utf8}, {"UTF-8 with a mark, CR LF", "\xEF\xBB\xBF" + withCrLf(utf8)},
        {"UTF-16LE", utf16(text16, true)}, {"UTF-16LE, CR LF", utf16(withCrLf(text16), true)},
        {"UTF-16BE", utf16(text16, false)}, {"UTF-16BE, CR LF", utf16(withCrLf(text16), false)}};
    for (const auto& [encoding, script] : scripts) {
        const ReplayRun run = Replay("twinwave", script);
        EXPECT_EQ(run.status, plain.status) << encoding;
        EXPECT_EQ(run.out, plain.out) << encoding;
        EXPECT_EQ(run.err, plain.err) << encoding;
    }
}

// Only whole marks at the very start count: the start of one, or one later on, is the
// script's own bytes. After a UTF-16 mark, a lone half of a surrogate pair or a last byte
// without its pair stops the run where it stands, as a bad line does, saying what and where
// (bytes counted from 0, the mark's too).
TEST(ReplayTool, ByteOrderMarksAndBytesThatAreNoUtf16)
{
    // A mark and "show" in UTF-16, 12 bytes.
    const std::string le("\xFF\xFEs\0h\0o\0w\0\n\0", 12), be("\xFE\xFF\0s\0h\0o\0w\0\n", 12);
    const struct {
        std::string script;
        int status;
        int shows;
        const char* error;
    } cases[] = {
        {"", 0, 0, ""}, {"\xEF\xBB\xBF", 0, 0, ""}, {"\xFE\xFF", 0, 0, ""},
        {"\xEF\xBBshow\n", 2, 0, "line 1: unknown action '\\xEF\\xBBshow'"},
        {std::string("\xFE\xFE\0s", 4), 2, 0, "line 1: unknown action '\\xFE\\xFE\\x00s'"},
        {"show\n\xEF\xBB\xBFshow\n", 2, 1, "line 2: unknown action '\\xEF\\xBB\\xBFshow'"},
        {le + "\x3C\xD8", 2, 1, "line 2: UTF-16 high surrogate D83C at byte 12 without a low surrogate after it"},
        {le + "\x3C\xD8\x3C\xD8\xB5\xDF", 2, 1, "line 2: UTF-16 high surrogate D83C at byte 12 without a low"},
        {le + "\xB5\xDF", 2, 1, "line 2: UTF-16 low surrogate DFB5 at byte 12 without a high surrogate before it"},
        {be + "\xD8\x3C\xDF\xB5\xDF\xB5", 2, 1, "line 2: UTF-16 low surrogate DFB5 at byte 16 without a high"},
        {le + "s", 2, 1, "line 2: UTF-16 of an odd number of bytes: byte 12, the last, is half a character"},
        {le + "\x3C\xD8s", 2, 1, "line 2: UTF-16 of an odd number of bytes: byte 14, the last, is half a character"},
        {be + std::string("\0s\0h\0o\0w\0\n\0", 11), 2, 2, "line 3: UTF-16 of an odd number of bytes: byte 22,"},
    };
    for (const auto& c : cases) {
        const ReplayRun run = Replay("rustle", c.script);
        const std::string context = "case " + std::to_string(&c - cases) + ": " + run.err;
        EXPECT_EQ(run.status, c.status) << context;
        EXPECT_EQ(std::ranges::count(run.out, '\n'), c.shows) << context;
        if (*c.error) {
            EXPECT_TRUE(run.err.starts_with(std::string("composer-replay: ") + c.error)) << context;
            EXPECT_EQ(std::ranges::count(run.err, '\n'), 1) << context;
        } else {
            EXPECT_EQ(run.err, "") << context;
        }
    }
}
