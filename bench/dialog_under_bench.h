#pragma once

#include "core/composer_state.h"
#include "framework/cdialog.h"

#include <memory>

// The one composer program whose dialog a dialog benchmark executable links: its name and
// a new dialog of it on `state`, not yet created.
extern const char* const kProgramUnderBench;
std::unique_ptr<CDialog> OpenDialog(ComposerState& state);
