#pragma once

#include "framework/dialog_template.h"

#include <optional>
#include <span>
#include <string_view>

// A composer program's dialog as its resources hold it: what the bare dialogs that the
// programs' start-up is measured against are made like.
struct ProgramDialog {
    const DialogTemplate& dialog;  // every control, with its class and style, in order
    std::span<const DialogInitRecord> regionLabels;
};

// The dialog of program `name` (rustle, pulsar or twinwave), or nothing.
std::optional<ProgramDialog> FindProgramDialog(std::string_view name);
