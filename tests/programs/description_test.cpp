// Each program's description and the template made from it, held against rules that do
// not come from the description: the piano keyboard, the layout of a dialog, and the facts
// of each program's template.
#include "core/duration_groups.h"
#include "framework/window_styles.h"
#include "shell/composer_dialog.h"
#include "tests/programs/program_dialog.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

namespace {

class Description : public testing::TestWithParam<ProgramUnderTest> {
protected:
    const Program& program = GetParam().program();
    const ProgramFacts& facts = FactsOf(GetParam());
    const DialogTemplate& dialog = GetParam().dialogTemplate();

    // The control `id` of the template; an exception, so a failure, when there is none.
    const DialogItemTemplate& Item(int id) const
    {
        const auto item = std::ranges::find(dialog.items, id, &DialogItemTemplate::id);
        return item != dialog.items.end() ? *item : throw std::out_of_range("no control " + std::to_string(id));
    }
};

// Where a control stands: a closed region list as high as a number box (its template
// height holds the list it drops).
std::array<int, 4> Place(const DialogItemTemplate& item)
{
    const bool list = std::string_view(item.windowClass) == "COMBOBOX";
    return {item.rect.x, item.rect.y, item.rect.cx, list ? 12 : item.rect.cy};
}

TEST_P(Description, TheTemplateHoldsEachControlOnceAndOneRadioGroupOfEight)
{
    // The controls of the description and the "/", which no code addresses.
    const ComposerControlIds& ids = program.ids;
    std::vector<int> expected = {-1, ids.regionList, ids.count, ids.budget, ids.total, ids.rest, ids.back, ids.end, ids.output};
    for (int i = 0; i < kLengthPositions; ++i)
        expected.insert(expected.end(), {ids.firstDuration + i, ids.firstLength + i});
    for (const Key& key : program.keys)
        expected.push_back(key.controlId);
    std::vector<int> held;
    for (const DialogItemTemplate& item : dialog.items)
        held.push_back(item.id);
    std::ranges::sort(expected);
    std::ranges::sort(held);
    EXPECT_EQ(held, expected);

    EXPECT_STREQ(dialog.items.front().windowClass, "COMBOBOX");
    EXPECT_EQ(dialog.items.front().id, 1000) << "the region list first, so it takes the focus";
    EXPECT_EQ((dialog.items.front().style & CBS_TYPEMASK) == CBS_DROPDOWN, facts.editableList) << "a text field";
    EXPECT_STREQ(Item(ids.rest).caption, "休");
    EXPECT_STREQ(Item(ids.back).caption, "←");
    EXPECT_STREQ(Item(ids.end).caption, facts.endCaption.c_str());

    // Eight radio buttons, the first starting the group and no later control another, each
    // below its duration box.
    std::vector<int> radios;
    for (const DialogItemTemplate& item : dialog.items) {
        EXPECT_FALSE(!radios.empty() && (item.style & WS_GROUP) != 0) << "control " << item.id << " starts a group";
        if (std::string_view(item.windowClass) == "BUTTON" && (item.style & 0xF) == BS_AUTORADIOBUTTON)
            radios.push_back(item.id);
    }
    ASSERT_EQ(radios.size(), 8U);
    EXPECT_NE(Item(radios.front()).style & WS_GROUP, 0U);
    for (int i = 0; i < kLengthPositions; ++i) {
        EXPECT_EQ(radios[static_cast<std::size_t>(i)], ids.firstLength + i);
        EXPECT_EQ(Place(Item(ids.firstDuration + i)),
                  (std::array{facts.firstDuration.x + 15 * i, facts.firstDuration.y, 12, 12}));
        EXPECT_EQ(Place(Item(ids.firstLength + i)),
                  (std::array{facts.firstLength.x + 15 * i, facts.firstLength.y, 9, 9}));
    }
}

// The "/" is left out: its rectangle has room beyond its one character, under the budget.
TEST_P(Description, NoTwoControlsOverlapEachIsInsideTheDialogAndIdsRiseLeftToRightInARow)
{
    for (const DialogItemTemplate& a : dialog.items) {
        SCOPED_TRACE("control " + std::to_string(a.id) + " '" + a.caption + "'");
        EXPECT_TRUE(a.rect.x >= 0 && a.rect.y >= 0 && a.rect.x + a.rect.cx <= dialog.rect.cx &&
                    a.rect.y + a.rect.cy <= dialog.rect.cy);
        for (const DialogItemTemplate& b : dialog.items) {
            if (&a == &b || a.id == -1 || b.id == -1)
                continue;
            const auto [ax, ay, acx, acy] = Place(a);
            const auto [bx, by, bcx, bcy] = Place(b);
            EXPECT_FALSE(ax < bx + bcx && bx < ax + acx && ay < by + bcy && by < ay + acy) << "and control " << b.id;
            EXPECT_TRUE(ay != by || ax > bx || a.id < b.id) << "left of control " << b.id;
        }
    }
}

// Keys captioned "x" have no value; the others have event indexes 1, 2, ... in key order
// after the rest's 0, or note bytes that, with the rest's, are the even bytes 02..64, each
// once. Each black key, in a row above, is the sharp of the white key on its left, 3 units
// further right; the key apart stands where the facts say.
TEST_P(Description, TheKeysAreAPianoKeyboardWithAValueForEachKeyThatPlays)
{
    std::vector<int> values = {program.restValue};
    const Key* lastWhite = nullptr;
    for (const Key& key : program.keys) {
        SCOPED_TRACE("key " + std::to_string(key.controlId));
        const bool noNote = std::ranges::count(facts.noNoteKeys, key.controlId) == 1;
        EXPECT_EQ(key.value == kNoEvent, noNote);
        EXPECT_EQ(std::string_view(key.caption) == "x", noNote);
        if (!noNote)
            values.push_back(key.value);
        if (key.controlId == facts.apart.id) {
            EXPECT_EQ(std::tuple(key.row, key.x, std::string(key.name)), std::tuple(KeyRow::White, facts.apart.x, facts.apart.name));
        } else if (key.row == KeyRow::White) {
            lastWhite = &key;
        } else {
            ASSERT_NE(lastWhite, nullptr);
            EXPECT_EQ(std::tuple(key.x, std::string(key.name)), std::tuple(lastWhite->x + 3, std::string(lastWhite->name) + "♯"));
            EXPECT_LE(Item(key.controlId).rect.y + Item(key.controlId).rect.cy, Item(lastWhite->controlId).rect.y);
        }
    }
    if (facts.noteBytes)
        std::ranges::sort(values);
    std::vector<int> expected;
    for (std::size_t i = 0; i < values.size(); ++i)
        expected.push_back(facts.noteBytes ? 2 * static_cast<int>(i + 1) : static_cast<int>(i));
    EXPECT_EQ(values, expected);
}

INSTANTIATE_TEST_SUITE_P(Programs, Description, testing::ValuesIn(ProgramsUnderTest()), testing::PrintToStringParamName());

}  // namespace
