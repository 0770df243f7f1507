// composer-replay: drives one program's composer without a window, from an action script
// on standard input; or turns a region's bytes back into such a script.
#include "replay/decode.h"
#include "replay/dialog_model.h"
#include "replay/excerpt.h"
#include "replay/programs.h"
#include "replay/script.h"

#include <iostream>
#include <span>
#include <vector>

namespace {

int Usage()
{
    std::cerr << "usage: composer-replay rustle|pulsar|twinwave < script\n"
              << "       composer-replay decode rustle|pulsar|twinwave REGION HEX\n"
              << "  actions, one a line: region N | length R | click ID | show\n"
              << "  decode prints the script that writes the bytes HEX in region REGION. Where clicks\n"
              << "  could differ, it keeps the radio position checked, else takes the lowest that\n"
              << "  writes the byte, and tries the rest, then the keys left to right, then the end.\n";
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
        std::cerr << "composer-replay: decode: '" << Excerpt(args[2]) << "' is no region of " << program->name << " (0 to "
                  << catalogue.size() - 1 << ")\n";
        return kScriptBadInput;
    }
    std::string hex;
    for (const std::string_view word : args.subspan(3))
        (hex += word) += ' ';

    const std::variant<std::string, DecodeError> decoded = DecodeToScript(*program, *region, hex);
    if (const auto* error = std::get_if<DecodeError>(&decoded)) {
        std::cerr << "composer-replay: decode: byte " << error->offset << ": " << error->reason << '\n';
        return kScriptBadInput;
    }
    std::cout << std::get<std::string>(decoded);
    return kScriptOk;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    if (args.size() >= 4 && args[0] == "decode")
        return Decode(args);
    const Program* program = args.size() == 1 ? FindProgram(args[0]) : nullptr;
    if (!program)
        return Usage();
    DialogModel dialog(*program);
    return RunScript(std::cin, std::cout, std::cerr, dialog);
}
