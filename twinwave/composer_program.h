#pragma once

#include "twinwave/program.h"
#include "shell/composer_dialog.h"

namespace twinwave {

extern const ComposerProgram kComposer;

}  // namespace twinwave
