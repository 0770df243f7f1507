#pragma once

#include "core/program.h"
#include "framework/cdialog.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

// What the desktop tests (names for assistive technology, screen scaling, exported icons)
// need to know of the one composer program linked into a test executable. Each program's
// file defines UnderTest(), with the names written as a screen reader must announce them,
// not taken from the program's own tables.
struct DesktopFacts {
    std::string name;
    const Program& program;
    // A new dialog of the program on `state`, not yet created.
    std::unique_ptr<CDialog> (*open)(ComposerState& state);
    int firstLength;  // the radio button of position 0

    // Controls named by what they are, by id.
    std::vector<std::pair<int, std::string>> namedControls;
    // The number boxes, by id, with the largest number each comes to show: the count after
    // the most bytes the history holds, the largest budget and durations of the program's
    // regions, and the total after the most events of the longest length.
    std::vector<std::pair<int, int>> largestNumbers;
    // Push buttons captioned with a symbol, by caption, and the meaning they are named by.
    std::vector<std::pair<std::string, std::string>> captionMeanings;

    // The keyboard, if any: the note of the leftmost white key, from which the white keys
    // follow the piano pattern, and keys that stand apart from it, by id, with their notes.
    std::string lowestWhite;
    std::vector<std::pair<int, std::string>> keysApart;

    // Names of controls to press one after another through the accessibility interface,
    // as UI automation would ("length 4" checks that radio button).
    std::vector<std::string> pressedByName;
};

const DesktopFacts& UnderTest();
