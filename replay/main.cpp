// composer-replay: drives one program's composer without a window, from an action script
// on standard input.
#include "replay/dialog_model.h"
#include "replay/programs.h"
#include "replay/script.h"

#include <iostream>

int main(int argc, char** argv)
{
    const Program* program = argc == 2 ? FindProgram(argv[1]) : nullptr;
    if (!program) {
        std::cerr << "usage: composer-replay rustle|pulsar|twinwave < script\n"
                  << "  actions, one a line: region N | length R | click ID | show\n";
        return kScriptBadInput;
    }
    DialogModel dialog(*program);
    return RunScript(std::cin, std::cout, std::cerr, dialog);
}
