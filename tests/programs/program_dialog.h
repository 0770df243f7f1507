#pragma once

#include "framework/cwinapp.h"
#include "tests/support/composer_dialog_driver.h"
#include "tests/support/programs_under_test.h"
#include "tests/support/widget_driver.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

// What each program's dialog must be and show, written down as the user and the game's
// data see it, not taken from the program's description: the tests hold the description
// and the dialog made from it against these facts. What follows by a rule from something
// else (the window's title, size and controls from its template, the region list and the
// widest numbers from the catalogue) the tests work out instead.

struct Point { int x; int y; };

struct ProgramFacts {
    Point firstDuration;  // the duration boxes, 12 units square on a 15-unit pitch
    Point firstLength;    // the radio buttons, 9 units square, one below each box
    std::string endCaption;
    bool editableList;        // only the noise composer's list takes typed text
    bool radioBeforeNumbers;  // the exchange order

    // The keyboard: a white key that stands apart from the pattern (its id, x and note), the
    // keys captioned "x", and whether keys enter note bytes rather than event indexes.
    struct { int id; int x; std::string name; } apart;
    std::vector<int> noNoteKeys;
    bool noteBytes;

    // The region list at the start, and another item picked.
    std::string firstLabel;
    std::string startShow;
    int otherRegion;
    std::string otherLabel;
    std::string otherShow;

    // Names for assistive technology, by control id.
    std::vector<std::pair<int, std::string>> names;
};

const ProgramFacts& FactsOf(const ProgramUnderTest& program);

// One of the programs' dialogs on a fresh state, shown and active, worked as the user does.
class ProgramDialog : public testing::TestWithParam<ProgramUnderTest> {
protected:
    void SetUp() override
    {
        dialog = GetParam().open(state);
        ASSERT_TRUE(ShowActive(*dialog));
        driver = std::make_unique<ComposerDialogDriver>(*dialog, ids);
    }

    template <class Widget>
    Widget* Control(int id) const
    {
        Widget* widget = ControlWidget<Widget>(*dialog, id);
        EXPECT_NE(widget, nullptr) << "no such control " << id;
        return widget;
    }

    void Click(int id) { ASSERT_TRUE(driver->Click(id)); }

    const ProgramFacts& facts = FactsOf(GetParam());
    const ComposerControlIds& ids = GetParam().program().ids;
    CWinApp app;  // the dialog loads its icon through the application
    ComposerState state;
    std::unique_ptr<CDialog> dialog;
    std::unique_ptr<ComposerDialogDriver> driver;
};
