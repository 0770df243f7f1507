#include "replay/programs.h"

#include "pulsar/program.h"
#include "rustle/program.h"
#include "twinwave/program.h"

const Program* FindProgram(std::string_view name)
{
    for (const Program* program : {&rustle::kProgram, &pulsar::kProgram, &twinwave::kProgram}) {
        if (program->name == name)
            return program;
    }
    return nullptr;
}
