#pragma once

#include "core/composer_state.h"
#include "framework/cdialog.h"
#include "shell/composer_dialog.h"

#include <memory>
#include <ostream>
#include <span>

// The three composer programs as the tests open them: one table, so that a test runs
// over all of them in one executable.
struct ProgramUnderTest {
    const ComposerProgram& composer;
    // Sets the program's resources and makes a new dialog of it on `state`, not yet created.
    std::unique_ptr<CDialog> (*open)(ComposerState& state);

    const Program& program() const { return composer.program; }
    // The dialog template its resources hold, which the dialog is made from.
    const DialogTemplate& dialogTemplate() const { return *composer.resources.Table().dialogs.front().dialog; }
};

std::span<const ProgramUnderTest> ProgramsUnderTest();

// For parameterised tests: the program's name in each case's name and in messages.
inline std::ostream& operator<<(std::ostream& out, const ProgramUnderTest& subject)
{
    return out << subject.composer.program.name;
}
