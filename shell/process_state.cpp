#include "shell/process_state.h"

ComposerState& ProcessComposerState()
{
    static ComposerState state;  // GCOVR_EXCL_BR_LINE: the guard of a static
    return state;
}
