#include "tests/support/programs_under_test.h"

#include "pulsar/composer_program.h"
#include "rustle/composer_program.h"
#include "twinwave/composer_program.h"

#include <array>

namespace {

template <const ComposerProgram& P>
std::unique_ptr<CDialog> Open(ComposerState& state)
{
    AfxSetResourceHandle(P.resources.Table());
    return std::make_unique<ComposerDialog<P>>(nullptr, state);
}

const std::array<ProgramUnderTest, 3> kPrograms = {{
    {rustle::kComposer, &Open<rustle::kComposer>},
    {pulsar::kComposer, &Open<pulsar::kComposer>},
    {twinwave::kComposer, &Open<twinwave::kComposer>},
}};

}  // namespace

std::span<const ProgramUnderTest> ProgramsUnderTest()
{
    return kPrograms;
}
