#pragma once

#include "tests/support/programs_under_test.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

// What each program's dialog must be and show, written down as the user and the game's
// data see it, not taken from the program's description: the tests hold the description
// and the dialog made from it against these facts.

struct Point { int x; int y; };

struct ProgramFacts {
    // The template.
    std::string title;
    int width;  // dialog units
    int height;
    int controlCount;
    Point firstDuration;  // the duration boxes, 12 units square on a 15-unit pitch
    Point firstLength;    // the radio buttons, 9 units square, one below each box
    std::string endCaption;
    bool editableList;        // only the noise composer's list takes typed text
    bool radioBeforeNumbers;  // the exchange order

    // The keyboard: its leftmost white key's note ('\0' for none), a white key that stands
    // apart from the pattern (its id, x and note), the keys captioned "x", and whether keys
    // enter note bytes rather than event indexes.
    char lowestWhite;
    struct { int id; int x; std::string name; } apart;
    std::vector<int> noNoteKeys;
    bool noteBytes;

    // The region list at the start, and another item picked.
    int regionCount;
    std::string firstLabel;
    std::string startShow;
    int otherRegion;
    std::string otherLabel;
    std::string otherShow;

    // Names for assistive technology, by control id.
    std::vector<std::pair<int, std::string>> names;
    // The widest numbers that the count, the budget, the last duration box and the total
    // show (by control id): after the 998 events the history holds, in the regions with the
    // largest budget and the longest lengths.
    std::array<std::pair<int, int>, 4> largestNumbers;
};

const ProgramFacts& FactsOf(const ProgramUnderTest& program);

// The program's name as the name of each parameterised case.
inline std::string ProgramName(const testing::TestParamInfo<ProgramUnderTest>& info)
{
    return std::string(info.param.program().name);
}
