#pragma once

#include "framework/dialog_template.h"

#include <cstdint>
#include <vector>

namespace detail {

// `dialog` as an extended dialog template in memory (DLGTEMPLATEEX and its items), which
// the system's dialog manager creates the window and its controls from. The words are
// DWORD-aligned where the format asks for it, counted from the first.
std::vector<std::uint16_t> MemoryTemplate(const DialogTemplate& dialog);

}  // namespace detail
