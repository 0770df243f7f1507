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

// Runs `actions` on the windowless dialog of `program` and on the reference model side by
// side. After every region change, radio choice and click both must show the same, the
// output must be twice as long as the count, the total must be the sum of the durations
// of the notes in the history, and the history must hold at most 998 entries. Returns the
// first failure, described, or nothing when all held.
std::optional<std::string> CheckActions(const Program& program, std::span<const Action> actions);

// Decodes `bytes` into actions for `program` and checks them.
std::optional<std::string> CheckInput(const Program& program, std::span<const std::uint8_t> bytes);

}  // namespace fuzz
