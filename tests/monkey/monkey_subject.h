#pragma once

#include "core/composer_state.h"
#include "core/program.h"
#include "framework/cdialog.h"
#include "tests/support/composer_dialog_driver.h"

#include <memory>

// The one composer program a monkey test executable is built for.
struct MonkeySubject {
    const Program& program;
    // A new dialog of the program on `state`, not yet created.
    std::unique_ptr<CDialog> (*open)(ComposerState& state);
    ComposerControlIds ids;
    bool editableRegionList;  // a list with a text field (CBS_DROPDOWN)
};

// Defined once per program, beside the program's dialog it links.
const MonkeySubject& Subject();

// The subject for the program whose dialog class is `Dialog`.
template <class Dialog>
MonkeySubject SubjectOf(const Program& program, const ComposerControlIds& ids, bool editableRegionList)
{
    return {program, [](ComposerState& state) -> std::unique_ptr<CDialog> { return std::make_unique<Dialog>(nullptr, state); },
            ids, editableRegionList};
}
