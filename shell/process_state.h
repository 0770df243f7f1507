#pragma once

#include "core/composer_state.h"

// The composer state of this process: the current and previous region and the history
// live as long as the program, outside the dialog object.
ComposerState& ProcessComposerState();
