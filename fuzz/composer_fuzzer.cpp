// libFuzzer entry point: the bytes become actions on the windowless dialog of the program
// this target was built for (ORVO_FUZZ_PROGRAM), checked step by step against the
// reference model. Any disagreement is reported and aborts, so libFuzzer keeps the input.
#include "reference/reference_check.h"
#include "replay/programs.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const Program& program = *FindProgram(ORVO_FUZZ_PROGRAM);
    if (const std::optional<std::string> failure = reference::CheckInput(program, {data, size})) {
        std::fprintf(stderr, "%s\n", failure->c_str());
        std::abort();
    }
    return 0;
}
