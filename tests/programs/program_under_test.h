#pragma once

#include "core/program.h"
#include "framework/cdialog.h"
#include "framework/dialog_template.h"
#include "tests/support/composer_dialog_driver.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

// What the shared program tests need to know of the one composer program linked into a
// test executable: its dialog's outward facts (title, size, controls in template order with
// their captions and rectangles, ids), its regions and its worked example. Each program's
// test file defines UnderTest(); the facts are written there as the dialog must show them,
// not taken from the program's own tables.

enum class ControlKind { RegionList, NumberBox, Separator, LengthRadio, PushButton, OutputBox };

struct ExpectedControl {
    int id;  // -1 for the "/" separator
    ControlKind kind;
    std::string caption;
    DialogRect rect;  // dialog units
};

// One step of a worked example: script actions ("length 3", "click 1020", ...), then what
// the output box, the count and the total show.
struct WorkedStep {
    std::string actions;
    std::string output;
    int count;
    int total;
};

struct RegionFacts {
    int index;
    std::string label;
    int budget;
    std::array<int, 8> durations;
};

struct ProgramUnderTest {
    std::string name;
    const Program& program;
    // A new dialog of the program on `state`, not yet created.
    std::unique_ptr<CDialog> (*open)(ComposerState& state);

    std::string title;
    int width;   // dialog units
    int height;
    int controlCount;
    std::vector<ExpectedControl> controls;  // template order
    bool editableRegionList;

    ComposerControlIds ids;
    int rest;
    int back;
    int end;
    std::vector<int> keysWithoutMeaning;     // captioned "x"
    std::vector<int> refusedWhenEmpty;       // clicks that change nothing on an empty composition

    int regionCount;
    std::string firstLabel;
    std::string lastLabel;
    RegionFacts another;                     // a region other than 0, with what picking it shows
    int smallestBudgetRegion;
    std::string startShow;                   // the show line right after set-up

    int workedRegion;
    std::vector<WorkedStep> worked;
};

const ProgramUnderTest& UnderTest();
