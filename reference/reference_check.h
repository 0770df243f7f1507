#pragma once

#include "core/program.h"
#include "reference/action_script.h"
#include "replay/composer_driver.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace reference {

// The controls of `program`'s dialog as the reference model knows them.
DialogControls ControlsOf(const Program& program);

// Runs `actions` on `dialog`, a dialog of `program` just set up, and on the reference model
// side by side: both must show the same after every action (of a run of clicks, its last
// click) and agree at every click on whether it met a push button.
// Returns the first disagreement, described, or nothing.
std::optional<std::string> RunAlongside(const Program& program, ComposerDriver& dialog, std::span<const Action> actions);

// Decodes `bytes` into actions and runs them alongside on the windowless dialog of `program`.
// Then what it composed must decode into the shortest script that composes it again, pasted
// into an empty dialog of the same region must show what that script shows, and `bytes` read
// as text must decode into a script that writes exactly their hex digits, or be refused.
std::optional<std::string> CheckInput(const Program& program, std::span<const std::uint8_t> bytes);

}  // namespace reference
