// A monkey on each program's real dialog, with real input events: random region changes,
// radio choices and clicks on every push button (keys without a meaning too), made from
// random bytes as the fuzz targets make them, and key presses wherever the focus is (Escape,
// and Enter where it ends the dialog, left out). After every event (of a run of clicks, its
// last) the dialog must show what the reference model says. Each build runs it on its own
// backend (monkey_dialog.h). ORVO_MONKEY_EVENTS and ORVO_MONKEY_SEED set the events of each
// run and their seed.
#include "reference/reference_check.h"
#include "tests/monkey/monkey_dialog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <iterator>
#include <random>

namespace {

using reference::KeyPress;

int EnvironmentNumber(const char* name, int fallback)
{
    const char* text = std::getenv(name);
    return text != nullptr && *text != '\0' ? std::atoi(text) : fallback;
}

const int kEvents = EnvironmentNumber("ORVO_MONKEY_EVENTS", ORVO_MONKEY_DEFAULT_EVENTS);
const auto kSeed = static_cast<unsigned>(EnvironmentNumber("ORVO_MONKEY_SEED", 1));

// A key pressed once or, quickly, twice; every label starts with "7", none with "a".
struct KeyStroke {
    KeyPress press;
    int times = 1;
};
constexpr std::array<KeyStroke, 16> kStrokes = {{
    {{KeyPress::Tab}}, {{KeyPress::ShiftTab}}, {{KeyPress::Space}}, {{KeyPress::Enter}}, {{KeyPress::Up}},
    {{KeyPress::Down}}, {{KeyPress::Left}}, {{KeyPress::Right}}, {{KeyPress::Home}}, {{KeyPress::End}},
    {{KeyPress::PageUp}}, {{KeyPress::PageDown}}, {{KeyPress::Character, 'a'}}, {{KeyPress::Character, '7'}},
    {{KeyPress::Character, '7'}, 2}, {{KeyPress::PageDown}, 2},
}};
// The keys that browse the open list, and those that close it (a character that finds no
// item, or one the field takes, leaves it open: then Escape closes it).
constexpr std::array<KeyPress, 8> kBrowseKeys = {{{KeyPress::Up}, {KeyPress::Down}, {KeyPress::Left}, {KeyPress::Right},
                                                  {KeyPress::Home}, {KeyPress::End}, {KeyPress::PageUp}, {KeyPress::PageDown}}};
constexpr std::array<KeyPress, 4> kClosingKeys = {
    {{KeyPress::Enter}, {KeyPress::Escape}, {KeyPress::Character, '7'}, {KeyPress::Character, 'a'}}};

class Monkey : public testing::TestWithParam<ProgramUnderTest> {
protected:
    void SetUp() override
    {
        dialog_ = OpenMonkeyDialog(GetParam(), state_);
        ASSERT_TRUE(dialog_);
        list_ = dialog_->RegionList();
        ASSERT_EQ(dialog_->Driver().Show(), expected_.Show()) << "right after set-up";
    }

    // Ctrl+V where the focus is, with random text on the clipboard: the bytes the output box
    // shows, which its paste enters again after them, those bytes and a stray letter, a word,
    // or nothing. Only the output box pastes bytes; the list's text field takes text as text.
    std::string PressPaste()
    {
        const std::string shown = Output();
        const std::array<std::string, 4> texts = {shown, shown + "G", "zz", ""};
        const std::size_t pick = random_() % texts.size();
        const int focused = dialog_->FocusedControl();
        dialog_->PressPaste(texts[pick]);
        if (focused == ids_.output && pick == 0)
            expected_.PasteCopy();
        return "Ctrl+V of clipboard text " + std::to_string(pick) + " on " + std::to_string(focused);
    }

    // The bytes the output box shows, from the line that shows every field.
    std::string Output() const
    {
        const std::string shown = dialog_->Driver().Show();
        return shown.substr(shown.rfind("output=") + 7);
    }

    // A key where the focus is, to the dialog and to the model; Enter where it would end the
    // dialog becomes Tab. Returns what it was.
    std::string PressKey(KeyStroke stroke)
    {
        const int focused = dialog_->FocusedControl();
        if (reference::EndsDialog(program_, focused, stroke.press))
            stroke.press = {KeyPress::Tab};
        for (int time = 0; time < stroke.times; ++time) {
            dialog_->Press(stroke.press);
            reference::PressKey(expected_, program_, list_, focused, stroke.press);
        }
        return reference::Describe(stroke.press) + (stroke.times > 1 ? " twice" : "") + " on " + std::to_string(focused);
    }

    // The list opened with F4, browsed with a few keys and closed: Enter takes the item it is
    // on, Escape puts back the one it opened on, a character takes the item it finds.
    std::string BrowseOpenList()
    {
        dialog_->Focus(ids_.regionList);
        dialog_->Press({KeyPress::F4});
        std::string what = "the list opened with F4";
        int item = expected_.SelectedItem();
        for (int keys = static_cast<int>(random_() % 4); keys > 0; --keys) {
            const KeyPress browse = kBrowseKeys[random_() % kBrowseKeys.size()];
            dialog_->Press(browse);
            item = reference::ListItemAfterKey(program_, list_, item, browse).value_or(item);
            what += ", " + reference::Describe(browse);
        }
        const KeyPress closing = kClosingKeys[random_() % kClosingKeys.size()];
        dialog_->Press(closing);
        what += ", " + reference::Describe(closing);
        std::optional<int> taken;
        if (closing.key == KeyPress::Enter)
            taken = item;
        else if (closing.key == KeyPress::Character && !list_.field)
            taken = reference::ListItemStartingWith(program_, item, closing.character);
        if (taken)
            expected_.PickRegion(*taken);
        else if (closing.key != KeyPress::Escape)
            dialog_->Press({KeyPress::Escape});
        return what;
    }

    const Program& program_ = GetParam().program();
    const ComposerControlIds& ids_ = program_.ids;
    ComposerState state_;
    std::unique_ptr<MonkeyDialog> dialog_;
    reference::RegionListKeys list_{};
    reference::ReferenceDialog expected_{program_};
    std::mt19937 random_{kSeed};
};

// Some forty clicks a random byte, most of them in runs, a few of which go past a full
// history; the first run fills it.
TEST_P(Monkey, RandomActionsKeepEveryControlInStepWithTheReference)
{
    std::vector<std::uint8_t> bytes = {6, 0, 255};  // 1021 clicks on the first key
    std::generate_n(std::back_inserter(bytes), kEvents / 40, [&] { return static_cast<std::uint8_t>(random_()); });
    std::vector<reference::Action> actions = reference::DecodeActions(bytes, reference::ControlsOf(program_));
    // A drop-down list that has a selection cannot be left without one.
    std::erase_if(actions, [](const reference::Action& action) {
        return action.kind == reference::Action::PickRegion && action.value < 0;
    });
    const std::optional<std::string> failure = reference::RunAlongside(program_, dialog_->Driver(), actions);
    EXPECT_FALSE(failure) << "seed " << kSeed << ": " << failure.value_or("");
}

// Random compositions (one for each 4000 events, at least three), each copied out of the
// output box, emptied by picking another region and this one again, and pasted back: the
// dialog shows them whole again, count, total, radio position and bytes. Each ends in "休", so that its bytes say where the radio stands (a
// radio checked after the last entry is in no byte).
TEST_P(Monkey, CompositionsPastedBackIntoTheirEmptiedRegionComeBackWhole)
{
    ComposerDriver& driver = dialog_->Driver();
    const int regions = expected_.RegionCount();
    const int compositions = std::max(3, kEvents / 4000);
    for (int composition = 0; composition < compositions && !HasFailure(); ++composition) {
        const int region = composition % regions;
        driver.PickRegion(region);
        std::vector<std::uint8_t> bytes(16);
        std::ranges::generate(bytes, [&] { return static_cast<std::uint8_t>(random_()); });
        for (const reference::Action& action : reference::DecodeActions(bytes, reference::ControlsOf(program_))) {
            for (int time = 0; time < action.times; ++time) {
                if (action.kind == reference::Action::CheckLength)
                    driver.CheckLength(action.value);
                else if (action.kind == reference::Action::Click)
                    driver.Click(action.value);
            }
        }
        driver.Click(ids_.back);
        driver.Click(ids_.rest);
        const std::string made = driver.Show();
        const std::string output = Output();
        driver.PickRegion((region + 1) % regions);
        driver.PickRegion(region);
        ASSERT_EQ(Output(), "");
        EXPECT_EQ(driver.Paste(output), std::nullopt) << "seed " << kSeed << ", composition " << composition;
        EXPECT_EQ(driver.Show(), made) << "seed " << kSeed << ", composition " << composition;
    }
}

// Keys where the focus is: Tab and Shift+Tab walk it, Space and Enter click or check, the
// arrows, Home, End, Page Up, Page Down and characters work the list, closed or open, Ctrl+V
// pastes. Now and then the focus goes where a click would put it: to any control that takes
// it, or to the list.
TEST_P(Monkey, KeyPressesKeepEveryControlInStepWithTheReference)
{
    const std::vector<int> focusable = dialog_->FocusableControls();
    std::uniform_int_distribution<std::size_t> choices(0, kStrokes.size() + 3);
    for (int event = 0; event < kEvents && !HasFailure(); ++event) {
        const std::size_t choice = choices(random_);
        std::string what;
        if (choice < kStrokes.size()) {
            what = PressKey(kStrokes[choice]);
        } else if (choice == kStrokes.size()) {
            what = BrowseOpenList();
        } else if (choice == kStrokes.size() + 3) {
            what = PressPaste();
        } else {
            const int id = choice == kStrokes.size() + 1 ? ids_.regionList : focusable[random_() % focusable.size()];
            dialog_->Focus(id);
            what = "focus on " + std::to_string(id);
        }
        EXPECT_EQ(dialog_->Driver().Show(), expected_.Show()) << "seed " << kSeed << ", event " << event << ": " << what;
    }
}

INSTANTIATE_TEST_SUITE_P(Programs, Monkey, testing::ValuesIn(ProgramsUnderTest()), testing::PrintToStringParamName());

}  // namespace
