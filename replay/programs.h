#pragma once

#include "core/program.h"

#include <string_view>

// The three composer programs by name, or nullptr for an unknown name.
const Program* FindProgram(std::string_view name);
