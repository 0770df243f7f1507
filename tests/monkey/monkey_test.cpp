// A monkey on the real dialog of one composer program, on the toolkit's off-screen
// platform: tens of thousands of random mouse clicks on the push buttons (keys without a
// meaning too) and the radio buttons, runs of "←", items picked from the region list, and
// key presses (Tab, Shift+Tab, Space, arrows, Home, End, a letter, a digit) wherever the
// focus happens to be. After every event the region list, the number boxes, the radio
// group and the output box must show what the reference model says. Escape and Enter,
// which end the dialog, are left out.
// Environment:
//   ORVO_MONKEY_EVENTS  events in each run (default: the build's ORVO_MONKEY_EVENTS)
//   ORVO_MONKEY_SEED    seed of the random events (default 1)
#include "framework/cwinapp.h"
#include "tests/monkey/monkey_subject.h"
#include "tests/support/reference_dialog.h"
#include "tests/support/widget_driver.h"

#include <QApplication>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <random>
#include <string>
#include <vector>

namespace {

int EnvironmentNumber(const char* name, int fallback)
{
    const char* text = std::getenv(name);
    return text != nullptr && *text != '\0' ? std::atoi(text) : fallback;
}

struct KeyPress {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* name;
};

constexpr std::array<KeyPress, 11> kKeys = {{
    {Qt::Key_Tab, Qt::NoModifier, "Tab"},
    {Qt::Key_Tab, Qt::ShiftModifier, "Shift+Tab"},
    {Qt::Key_Space, Qt::NoModifier, "Space"},
    {Qt::Key_Up, Qt::NoModifier, "Up"},
    {Qt::Key_Down, Qt::NoModifier, "Down"},
    {Qt::Key_Left, Qt::NoModifier, "Left"},
    {Qt::Key_Right, Qt::NoModifier, "Right"},
    {Qt::Key_Home, Qt::NoModifier, "Home"},
    {Qt::Key_End, Qt::NoModifier, "End"},
    {Qt::Key_A, Qt::NoModifier, "A"},
    {Qt::Key_7, Qt::NoModifier, "7"},
}};

// How often each kind of event comes: push-button clicks, radio clicks, runs of "←",
// items picked from the open list, key presses.
using EventMix = std::array<double, 5>;

// Mostly clicks, so that compositions grow long enough to fill the history; few region
// changes, each of which starts a composition afresh.
constexpr EventMix kComposing = {60, 10, 1, 0.05, 30};
// Mostly keys, with the focus often in the region list after a pick from it.
constexpr EventMix kKeyboard = {10, 5, 1, 3, 80};

class Monkey {
public:
    Monkey(CDialog& dialog, unsigned seed, const EventMix& mix)
        : dialog_(dialog),
          ids_(Subject().ids),
          driver_(dialog, ids_),
          buttons_(reference::ButtonsOf(reference::VoiceOf(Subject().program.name))),
          expected_(reference::VoiceOf(Subject().program.name), Subject().program.channel.Catalogue()),
          random_(seed),
          kinds_(mix.begin(), mix.end())
    {
        controls_ = {ids_.region, ids_.count, ids_.budget, ids_.total, ids_.output};
        for (int i = 0; i < 8; ++i)
            controls_.insert(controls_.end(), {ids_.firstDuration + i, ids_.firstLength + i});
        for (const reference::Button& button : buttons_) {
            controls_.push_back(button.id);
            if (button.kind == reference::Button::Back)
                back_ = button.id;
        }
    }

    // Does one random event to the dialog and to the model; returns what it was.
    std::string Step()
    {
        if (pendingBacks_ > 0) {
            --pendingBacks_;
            return Click(back_);
        }
        switch (kinds_(random_)) {
        case 0:
            return Click(buttons_[Index(buttons_.size())].id);
        case 1: {
            const int position = Uniform(0, 7);
            ClickControl(dialog_, ids_.firstLength + position);
            expected_.CheckLength(position);
            return "click radio " + std::to_string(position);
        }
        case 2:
            pendingBacks_ = Uniform(0, 29);
            return Click(back_);
        case 3: {
            const int index = Uniform(0, expected_.RegionCount() - 1);
            PickListItem(dialog_, ids_.region, index);
            expected_.PickRegion(index);
            return "pick region " + std::to_string(index);
        }
        default:
            return PressKey(kKeys[Index(kKeys.size())]);
        }
    }

    std::string Shown() const { return driver_.Show(); }
    std::string Expected() const { return expected_.Show(); }
    std::size_t LongestHistory() const { return longest_; }

private:
    int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    std::size_t Index(std::size_t size) { return std::uniform_int_distribution<std::size_t>(0, size - 1)(random_); }

    std::string Click(int id)
    {
        ClickControl(dialog_, id);
        expected_.Click(id);
        longest_ = std::max(longest_, expected_.EntryCount());
        return "click " + std::to_string(id);
    }

    // A key where the focus is. What it does depends on the control that has the focus;
    // the keys whose effect there the dialog leaves to the toolkit's taste (Space opening
    // the list, typing searching a list without a text field, arrows moving between radio
    // buttons) become Tab.
    std::string PressKey(KeyPress press)
    {
        const int focused = FocusedControl();
        const bool onList = focused == ids_.region;
        const bool onTextField = onList && Subject().editableRegionList;
        const bool onRadio = focused >= ids_.firstLength && focused < ids_.firstLength + 8;
        const bool isArrow = press.key == Qt::Key_Up || press.key == Qt::Key_Down || press.key == Qt::Key_Left
                             || press.key == Qt::Key_Right || press.key == Qt::Key_Home || press.key == Qt::Key_End;
        const bool types = press.key == Qt::Key_A || press.key == Qt::Key_7;
        const bool sideways = press.key == Qt::Key_Left || press.key == Qt::Key_Right;
        if ((onList && (press.key == Qt::Key_Space || sideways || (types && !onTextField))) || (onRadio && isArrow))
            press = kKeys[0];
        ::PressKey(press.key, press.modifiers);

        std::string what = std::string("key ") + press.name + " on " + std::to_string(focused);
        if (press.key == Qt::Key_Space && onRadio) {
            expected_.CheckLength(focused - ids_.firstLength);
        } else if (press.key == Qt::Key_Space && IsPushButton(focused)) {
            expected_.Click(focused);
            longest_ = std::max(longest_, expected_.EntryCount());
        } else if (onList && (press.key == Qt::Key_Up || press.key == Qt::Key_Down)) {
            // The list moves its selection one item and stops at either end.
            const int now = expected_.SelectedItem();
            expected_.PickRegion(press.key == Qt::Key_Up ? std::max(now - 1, 0) : std::min(now + 1, expected_.RegionCount() - 1));
        } else if (onList && !onTextField && (press.key == Qt::Key_Home || press.key == Qt::Key_End)) {
            // A list without a text field goes to its first or last item; in a text field
            // the keys move the caret.
            expected_.PickRegion(press.key == Qt::Key_Home ? 0 : expected_.RegionCount() - 1);
        }
        return what;
    }

    bool IsPushButton(int id) const
    {
        return std::any_of(buttons_.begin(), buttons_.end(), [id](const reference::Button& b) { return b.id == id; });
    }

    // The control that holds the keyboard focus (the list's text field counts as the
    // list), or 0 when none does.
    int FocusedControl() const
    {
        const QWidget* focus = QApplication::focusWidget();
        if (focus == nullptr)
            return 0;
        for (const QWidget* widget = focus; widget != nullptr; widget = widget->parentWidget()) {
            const auto control = std::find_if(controls_.begin(), controls_.end(),
                                              [&](int id) { return dialog_.GetDlgItem(id) == widget; });
            if (control != controls_.end())
                return *control;
        }
        return 0;
    }

    CDialog& dialog_;
    ComposerControlIds ids_;
    ComposerDialogDriver driver_;
    std::vector<reference::Button> buttons_;
    std::vector<int> controls_;  // every control with an id
    reference::ReferenceDialog expected_;
    std::mt19937 random_;
    std::discrete_distribution<int> kinds_;
    int back_ = 0;
    int pendingBacks_ = 0;
    std::size_t longest_ = 0;
};

struct MonkeyRun {
    int events;
    std::size_t longestHistory;
};

// Runs ORVO_MONKEY_EVENTS events of `mix` on a fresh dialog, checking after each one.
MonkeyRun RunMonkey(const EventMix& mix, const char* mixName)
{
    const int events = EnvironmentNumber("ORVO_MONKEY_EVENTS", ORVO_MONKEY_DEFAULT_EVENTS);
    const auto seed = static_cast<unsigned>(EnvironmentNumber("ORVO_MONKEY_SEED", 1));
    const std::string name(Subject().program.name);
    CWinApp app;  // the dialog loads its icon through the application
    ComposerState state;
    const std::unique_ptr<CDialog> dialog = Subject().open(state);
    EXPECT_TRUE(ShowActive(*dialog));
    Monkey monkey(*dialog, seed, mix);
    EXPECT_EQ(monkey.Shown(), monkey.Expected()) << "right after set-up";

    const auto start = std::chrono::steady_clock::now();
    int event = 0;
    for (; event < events && !testing::Test::HasFailure(); ++event) {
        const std::string what = monkey.Step();
        EXPECT_EQ(monkey.Shown(), monkey.Expected()) << name << ", seed " << seed << ", event " << event << ": " << what;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::cout << "monkey " << name << " (" << mixName << "): " << event << " events in " << seconds << " s ("
              << static_cast<int>(event / seconds) << " events/s), seed " << seed << ", longest history "
              << monkey.LongestHistory() << "\n";
    return {event, monkey.LongestHistory()};
}

}  // namespace

TEST(Monkey, ComposingEventsKeepEveryControlInStepWithTheReference)
{
    const MonkeyRun run = RunMonkey(kComposing, "composing");
    if (run.events >= 20000) {
        EXPECT_EQ(run.longestHistory, 998u) << "a run this long should fill the history at least once";
    }
}

TEST(Monkey, KeyboardEventsKeepEveryControlInStepWithTheReference)
{
    RunMonkey(kKeyboard, "keyboard");
}
