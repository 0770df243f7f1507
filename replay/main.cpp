// composer-replay: drives one program's composer without a window, from an action script
// on standard input; or turns a region's bytes back into such a script.
#include "core/clicks_from_bytes.h"
#include "core/duration_groups.h"
#include "replay/console.h"
#include "replay/decode.h"
#include "replay/dialog_model.h"
#include "replay/excerpt.h"
#include "replay/programs.h"
#include "replay/script.h"

#include <cstdio>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::string_view kUsage = R"(Usage: composer-replay PROGRAM <SCRIPT
  or:  composer-replay decode PROGRAM REGION HEX...
  or:  composer-replay --help | --version
)";

// help2man makes the manual page from the usage and this; its first line is the NAME line.
std::string Help()
{
    return std::string(kUsage) + R"(Play action scripts on the Orvo composers without a window.

PROGRAM is rustle, pulsar or twinwave. The first form carries out the actions
of SCRIPT, one a line, on that program's composer as its dialog would, and
prints what each "show" finds. A word starting with # starts a comment that
runs to the end of its line; blank lines and comment lines are skipped. The
second form goes the other way: it prints the shortest script that writes the
bytes HEX in region REGION, each click with the button's name as a comment.

SCRIPT is UTF-8, with or without a byte-order mark, or UTF-16 in either byte
order after its byte-order mark (as Windows' Notepad and PowerShell save text);
lines end in LF or CR LF. What composer-replay prints is UTF-8, which a Windows
console shows as written.

HEX is bytes of two hex digits each, in either case, with or without spaces
between them. Decoding and pasting find the same clicks for them.
)" + std::string(kClickOrder) + R"(
A paste enters its bytes after the composition as it stands. Its first note
may bring the length byte that the newest entry has set already: that is then
not written again.

Actions:
  region N   pick item N of the region list
  length R   check radio position R (0 to )" + std::to_string(kLengthPositions - 1) + R"(); nothing else changes
  click ID   click the push button with control id ID
  paste HEX  paste the text HEX, the rest of the line, into the output box; a
             paste the dialog refuses changes nothing
  show       print what the dialog shows, as a line of this form:
  )" + std::string(kShowLine) + R"(

Exit status:
  0  the script ran to its end, or the bytes were decoded
  1  the script ran to its end, but the dialog refused a paste (named by its
     line number, with the dialog's message)
  2  a bad line, or bytes of a UTF-16 script that are no UTF-16 (named by the
     line's number), bytes that no clicks in the region write (named by the
     offset of the first, from 0), or a bad command line

Examples:
  $ composer-replay decode pulsar 12 "14 D5 05" >tune.txt
  $ composer-replay pulsar <tune.txt
)";
}

// A report on standard error after what standard output has been given, where both go to
// one place.
void Report(std::string_view text)
{
    std::fflush(stdout);
    WriteText(stderr, text);
}

int Usage()
{
    Report(std::string(kUsage) + "Try 'composer-replay --help' for more.\n");
    return kScriptBadInput;
}

// decode PROGRAM REGION HEX...: the words after the region together are the bytes.
int Decode(std::span<const std::string_view> args)
{
    const Program* program = FindProgram(args[1]);
    if (!program)
        return Usage();
    const std::optional<int> region = ParseNumber(args[2]);
    const RegionCatalogue catalogue = program->channel.Catalogue();
    if (!region || !IsRegionIndex(catalogue, *region)) {
        Report("composer-replay: decode: '" + Excerpt(args[2]) + "' is no region of " + std::string(program->name)
               + " (0 to " + std::to_string(catalogue.size() - 1) + ")\n");
        return kScriptBadInput;
    }
    std::string hex;
    for (const std::string_view word : args.subspan(3))
        (hex += word) += ' ';

    const std::variant<std::string, DecodeError> decoded = DecodeToScript(*program, *region, hex);
    if (const auto* error = std::get_if<DecodeError>(&decoded)) {
        Report("composer-replay: decode: byte " + std::to_string(error->offset) + ": " + error->reason + '\n');
        return kScriptBadInput;
    }
    WriteText(stdout, std::get<std::string>(decoded));
    return kScriptOk;
}

}  // namespace

int main(int argc, char** argv)
{
    OpenStandardStreams();
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    if (args.size() == 1 && args[0] == "--help") {
        WriteText(stdout, Help());
        return kScriptOk;
    }
    if (args.size() == 1 && args[0] == "--version") {
        WriteText(stdout, "composer-replay " ORVO_VERSION "\n");
        return kScriptOk;
    }
    if (args.size() >= 4 && args[0] == "decode")
        return Decode(args);
    const Program* program = args.size() == 1 ? FindProgram(args[0]) : nullptr;
    if (!program)
        return Usage();
    DialogModel dialog(*program);
    ScriptLines lines([] { return std::getc(stdin); });
    return RunScript(lines, {[](std::string_view line) { WriteText(stdout, line); }, Report}, dialog);
}
