#include "replay/programs.h"

#include "pulsar/square1_channel.h"
#include "rustle/noise_channel.h"
#include "twinwave/square2_triangle.h"

const Program* FindProgram(std::string_view name)
{
    for (const Program* program : {&rustle::kProgram, &pulsar::kProgram, &twinwave::kProgram}) {
        if (program->name == name)
            return program;
    }
    return nullptr;
}
