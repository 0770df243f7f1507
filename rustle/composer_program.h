#pragma once

#include "rustle/program.h"
#include "shell/composer_dialog.h"

namespace rustle {

extern const ComposerProgram kComposer;

}  // namespace rustle
