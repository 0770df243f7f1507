#pragma once

#include "core/program.h"
#include "fuzz/action_script.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace fuzz {

// The controls of `program`'s dialog as the reference model knows them.
DialogControls ControlsOf(const Program& program);

// Decodes `bytes` into actions and runs them on the windowless dialog of `program` and on
// the reference model side by side: after every region change, radio choice and click
// both must show the same. Returns the first disagreement, described, or nothing.
std::optional<std::string> CheckInput(const Program& program, std::span<const std::uint8_t> bytes);

}  // namespace fuzz
