// The three programs' descriptions, for the tests that run over each.
#pragma once

#include "pulsar/program.h"
#include "rustle/program.h"
#include "twinwave/program.h"

inline const Program* const kPrograms[] = {&rustle::kProgram, &pulsar::kProgram, &twinwave::kProgram};
