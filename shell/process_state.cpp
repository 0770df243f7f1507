#include "shell/process_state.h"

ComposerState& ProcessComposerState()
{
    static ComposerState state;
    return state;
}
