#pragma once

#include "core/composer_state.h"
#include "reference/dialog_keys.h"
#include "replay/composer_driver.h"
#include "tests/support/programs_under_test.h"

#include <memory>
#include <string>
#include <vector>

// One program's real dialog, shown and active, worked with real input events: what each
// build's backend gives the monkey (monkey_test.cpp), which holds it against the reference.
class MonkeyDialog {
public:
    virtual ~MonkeyDialog() = default;

    // The user's actions on the dialog and what it shows.
    virtual ComposerDriver& Driver() = 0;
    // Presses `press` where the keyboard focus is (in the open list, when it is open).
    virtual void Press(reference::KeyPress press) = 0;
    // Puts `text` on the clipboard and presses Ctrl+V where the keyboard focus is.
    virtual void PressPaste(const std::string& text) = 0;
    // Puts the keyboard focus on control `id` as a click or Tab would, without a click.
    virtual void Focus(int id) = 0;
    // The control that has the keyboard focus (the list's text field counts as the list), or 0.
    virtual int FocusedControl() const = 0;
    // The controls that take the focus, by id.
    virtual std::vector<int> FocusableControls() const = 0;
    virtual reference::RegionListKeys RegionList() const = 0;
};

// A dialog of `program` on `state`, shown and active; nothing (and a failed expectation) when
// it cannot be opened.
std::unique_ptr<MonkeyDialog> OpenMonkeyDialog(const ProgramUnderTest& program, ComposerState& state);
