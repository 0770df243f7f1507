#pragma once

#include "core/program.h"
#include "reference/reference_dialog.h"

#include <optional>
#include <string>

// What the keys a user presses do to a composer dialog, by the rules both builds follow
// (docs/WINDOWS.md), written from those rules alone: the monkeys press them on the real
// dialogs and hold what the dialogs show against the reference model these keys move.
namespace reference {

struct KeyPress {
    enum Key { Tab, ShiftTab, Space, Enter, Escape, F4, Up, Down, Left, Right, Home, End, PageUp, PageDown, Character };
    Key key;
    char character = 0;  // a Character's, lower case
};

// What the region list is to its keys: whether it has a text field, and the rows its open
// list shows, a page of Page Up and Page Down.
struct RegionListKeys {
    bool field;
    int rows;
};

// The item a key takes the region list to from `item`, closed or open, or nothing where the
// key is none of the list's (the field's keys, the dialog's). A character no label starts
// with stays on `item`.
std::optional<int> ListItemAfterKey(const Program& program, RegionListKeys list, int item, KeyPress press);

// The next item after `item` whose label starts with `character`, ignoring case, round past
// the last; nothing when no label does.
std::optional<int> ListItemStartingWith(const Program& program, int item, char character);

// Presses `press` on control `focused` of `dialog`, the list closed: the list picks the item
// it goes to, Space checks a radio button or clicks a push button, and so does Enter a push
// button. Keys that only move the focus or the field's caret change nothing.
void PressKey(ReferenceDialog& dialog, const Program& program, RegionListKeys list, int focused, KeyPress press);

// Whether `press` on control `focused` would end the dialog: Escape, and Enter anywhere but on
// a push button.
bool EndsDialog(const Program& program, int focused, KeyPress press);

std::string Describe(KeyPress press);

}  // namespace reference
