#pragma once

#include "pulsar/program.h"
#include "shell/composer_dialog.h"

namespace pulsar {

extern const ComposerProgram kComposer;

}  // namespace pulsar
