// A monkey on each program's real dialog: tens of thousands of random clicks on the push
// buttons (keys without a meaning too) and radio buttons, runs of "←", items picked from the
// region list, and key presses wherever the focus is (Escape and Enter, which end the dialog,
// left out). After every event the dialog must show what the reference model says.
// ORVO_MONKEY_EVENTS and ORVO_MONKEY_SEED set the events of each run and their seed.
#include "framework/cwinapp.h"
#include "tests/support/composer_dialog_driver.h"
#include "tests/support/programs_under_test.h"
#include "tests/support/reference_dialog.h"
#include "tests/support/widget_driver.h"

#include <QComboBox>
#include <QKeySequence>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <random>

namespace {

int EnvironmentNumber(const char* name, int fallback)
{
    const char* text = std::getenv(name);
    return text != nullptr && *text != '\0' ? std::atoi(text) : fallback;
}

constexpr std::array<QKeyCombination, 11> kKeys = {
    Qt::Key_Tab,  Qt::ShiftModifier | Qt::Key_Tab, Qt::Key_Space, Qt::Key_Up, Qt::Key_Down, Qt::Key_Left,
    Qt::Key_Right, Qt::Key_Home, Qt::Key_End, Qt::Key_A, Qt::Key_7};

// How often each kind of event comes: push-button clicks, radio clicks, runs of "←", items
// picked from the open list, key presses. Composing fills the history with few region
// changes, each of which starts afresh; the keyboard mix often finds the focus in the list.
using EventMix = std::array<double, 5>;
constexpr EventMix kComposing = {60, 10, 1, 0.05, 30};
constexpr EventMix kKeyboard = {10, 5, 1, 3, 80};

class Monkey : public testing::TestWithParam<ProgramUnderTest> {
protected:
    // Runs the events of `mix`, checking the dialog after each one; returns how many ran.
    int Run(const EventMix& mix)
    {
        const int events = EnvironmentNumber("ORVO_MONKEY_EVENTS", ORVO_MONKEY_DEFAULT_EVENTS);
        const auto seed = static_cast<unsigned>(EnvironmentNumber("ORVO_MONKEY_SEED", 1));
        random_.seed(seed);
        kinds_ = std::discrete_distribution<int>(mix.begin(), mix.end());
        EXPECT_TRUE(ShowActive(*dialog_));
        editableList_ = ControlWidget<QComboBox>(*dialog_, ids_.regionList)->isEditable();
        EXPECT_EQ(driver_.Show(), expected_.Show()) << "right after set-up";

        int event = 0;
        for (; event < events && !HasFailure(); ++event) {
            const std::string what = Step();
            EXPECT_EQ(driver_.Show(), expected_.Show()) << "seed " << seed << ", event " << event << ": " << what;
        }
        return event;
    }

    std::size_t longest_ = 0;

private:
    int Uniform(std::size_t count) { return std::uniform_int_distribution<int>(0, static_cast<int>(count) - 1)(random_); }

    // Does one random event to the dialog and to the model; returns what it was.
    std::string Step()
    {
        if (pendingBacks_ > 0) {
            --pendingBacks_;
            return Click(ids_.back);
        }
        const int choice = kinds_(random_);
        if (choice == 0)
            return Click(buttons_[static_cast<std::size_t>(Uniform(buttons_.size()))].id);
        if (choice == 1) {
            const int position = Uniform(8);
            driver_.CheckLength(position);
            expected_.CheckLength(position);
            return "click radio " + std::to_string(position);
        }
        if (choice == 2) {
            pendingBacks_ = Uniform(30);
            return Click(ids_.back);
        }
        if (choice == 3) {
            const int index = Uniform(static_cast<std::size_t>(expected_.RegionCount()));
            driver_.PickRegion(index);
            expected_.PickRegion(index);
            return "pick region " + std::to_string(index);
        }
        return PressKey(kKeys[static_cast<std::size_t>(Uniform(kKeys.size()))]);
    }

    std::string Click(int id)
    {
        ClickControl(*dialog_, id);
        Pressed(id);
        return "click " + std::to_string(id);
    }

    // Push button `id` was pressed, by a click or by the keyboard.
    void Pressed(int id)
    {
        expected_.Click(id);
        longest_ = std::max(longest_, expected_.EntryCount());
    }

    // A key where the focus is. The keys whose effect there the dialog leaves to the
    // toolkit's taste (Space opening the list, typing searching a list without a text
    // field, arrows moving between radio buttons) become Tab.
    std::string PressKey(QKeyCombination press)
    {
        const int focused = FocusedControl();
        const bool onList = focused == ids_.regionList;
        const bool onRadio = focused >= ids_.firstLength && focused < ids_.firstLength + 8;
        const Qt::Key key = press.key();
        const bool moves = key >= Qt::Key_Home && key <= Qt::Key_Down;  // Home, End and the arrows
        const bool types = key == Qt::Key_A || key == Qt::Key_7;
        if ((onList && (key == Qt::Key_Space || key == Qt::Key_Left || key == Qt::Key_Right || (types && !editableList_)))
            || (onRadio && moves))
            press = kKeys[0];
        ::PressKey(press.key(), press.keyboardModifiers());

        const int item = expected_.SelectedItem(), last = expected_.RegionCount() - 1;
        if (press.key() == Qt::Key_Space && onRadio)
            expected_.CheckLength(focused - ids_.firstLength);
        else if (press.key() == Qt::Key_Space && !onList)
            Pressed(focused);  // a push button's click; nothing on the boxes
        else if (onList && (press.key() == Qt::Key_Up || press.key() == Qt::Key_Down))  // one item on, up to either end
            expected_.PickRegion(std::clamp(item + (press.key() == Qt::Key_Up ? -1 : 1), 0, last));
        else if (onList && !editableList_ && (press.key() == Qt::Key_Home || press.key() == Qt::Key_End))
            expected_.PickRegion(press.key() == Qt::Key_Home ? 0 : last);  // in a text field they move the caret
        return "key " + QKeySequence(press).toString().toStdString() + " on " + std::to_string(focused);
    }

    // The control that holds the keyboard focus (the list's text field counts as the
    // list), or 0 when none does. Control ids run from 1000 to below 1100.
    int FocusedControl() const
    {
        for (const QWidget* widget = QApplication::focusWidget(); widget != nullptr; widget = widget->parentWidget())
            for (int id = 1000; id < 1100; ++id)
                if (widget == dialog_->GetDlgItem(id))
                    return id;
        return 0;
    }

    const Program& program_ = GetParam().program();
    const ComposerControlIds& ids_ = program_.ids;
    CWinApp app_;  // the dialog loads its icon through the application
    ComposerState state_;
    const std::unique_ptr<CDialog> dialog_ = GetParam().open(state_);
    ComposerDialogDriver driver_{*dialog_, ids_};
    const std::vector<reference::Button> buttons_ = reference::ButtonsOf(program_);
    reference::ReferenceDialog expected_{program_};
    std::mt19937 random_;
    std::discrete_distribution<int> kinds_;
    bool editableList_ = false;
    int pendingBacks_ = 0;
};

TEST_P(Monkey, ComposingEventsKeepEveryControlInStepWithTheReference)
{
    if (Run(kComposing) >= 20000) {
        EXPECT_EQ(longest_, 998u) << "a run this long should fill the history at least once";
    }
}

TEST_P(Monkey, KeyboardEventsKeepEveryControlInStepWithTheReference) { Run(kKeyboard); }

INSTANTIATE_TEST_SUITE_P(Programs, Monkey, testing::ValuesIn(ProgramsUnderTest()), testing::PrintToStringParamName());

}  // namespace
