// A monkey on each program's real dialog, with real input events: random region changes,
// radio choices and clicks on every push button (keys without a meaning too), made from
// random bytes as the fuzz targets make them, and key presses wherever the focus is (Escape
// and Enter, which end the dialog, left out). After every event (of a run of clicks, its
// last) the dialog must show what the reference model says. ORVO_MONKEY_EVENTS and
// ORVO_MONKEY_SEED set the events of each run and their seed.
#include "core/duration_groups.h"
#include "framework/cwinapp.h"
#include "reference/reference_check.h"
#include "reference/reference_dialog.h"
#include "tests/support/composer_dialog_driver.h"
#include "tests/support/programs_under_test.h"
#include "tests/support/widget_driver.h"

#include <QClipboard>
#include <QComboBox>
#include <QKeySequence>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <iterator>
#include <random>

namespace {

int EnvironmentNumber(const char* name, int fallback)
{
    const char* text = std::getenv(name);
    return text != nullptr && *text != '\0' ? std::atoi(text) : fallback;
}

const int kEvents = EnvironmentNumber("ORVO_MONKEY_EVENTS", ORVO_MONKEY_DEFAULT_EVENTS);
const auto kSeed = static_cast<unsigned>(EnvironmentNumber("ORVO_MONKEY_SEED", 1));

constexpr std::array<QKeyCombination, 11> kKeys = {
    Qt::Key_Tab,  Qt::ShiftModifier | Qt::Key_Tab, Qt::Key_Space, Qt::Key_Up, Qt::Key_Down, Qt::Key_Left,
    Qt::Key_Right, Qt::Key_Home, Qt::Key_End, Qt::Key_A, Qt::Key_7};

class Monkey : public testing::TestWithParam<ProgramUnderTest> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ShowActive(*dialog_));
        editableList_ = ControlWidget<QComboBox>(*dialog_, ids_.regionList)->isEditable();
        ASSERT_EQ(driver_.Show(), expected_.Show()) << "right after set-up";
    }

    // A key where the focus is, to the dialog and to the model; returns what it was. Typing
    // on a list without a text field searches it as the toolkit likes: that becomes Tab.
    std::string PressKey(QKeyCombination press)
    {
        const int focused = FocusedControl();
        const bool onList = focused == ids_.regionList;
        const bool onRadio = focused >= ids_.firstLength && focused < ids_.firstLength + kLengthPositions;
        const Qt::Key key = press.key();
        const bool types = key == Qt::Key_A || key == Qt::Key_7;
        if (onList && types && !editableList_)
            press = kKeys[0];
        ::PressKey(press.key(), press.keyboardModifiers());

        // On a list without a text field every arrow key picks the item before or after, up to
        // either end; in a text field Left and Right move the caret.
        const bool back = press.key() == Qt::Key_Up || (!editableList_ && press.key() == Qt::Key_Left);
        const bool on = press.key() == Qt::Key_Down || (!editableList_ && press.key() == Qt::Key_Right);
        const int item = expected_.SelectedItem(), last = expected_.RegionCount() - 1;
        if (press.key() == Qt::Key_Space && onRadio)
            expected_.CheckLength(focused - ids_.firstLength);
        else if (press.key() == Qt::Key_Space && !onList)
            expected_.Click(focused);  // a push button's click; nothing on the boxes
        else if (onList && (back || on))
            expected_.PickRegion(std::clamp(item + (back ? -1 : 1), 0, last));
        else if (onList && !editableList_ && (press.key() == Qt::Key_Home || press.key() == Qt::Key_End))
            expected_.PickRegion(press.key() == Qt::Key_Home ? 0 : last);  // in a text field they move the caret
        return "key " + QKeySequence(press).toString().toStdString() + " on " + std::to_string(focused);
    }

    // Ctrl+V where the focus is, with random text on the clipboard: the bytes the output box
    // shows, which its paste enters again after them, those bytes and a stray letter, a word,
    // or nothing. Only the output box pastes bytes; the list's text field takes text as text.
    std::string PressPaste()
    {
        const std::string shown = driver_.Output();
        const std::array<std::string, 4> texts = {shown, shown + "G", "zz", ""};
        const std::size_t pick = random_() % texts.size();
        QGuiApplication::clipboard()->setText(QString::fromStdString(texts[pick]));
        const int focused = FocusedControl();
        ::PressKey(Qt::Key_V, Qt::ControlModifier);
        if (focused == ids_.output && pick == 0)
            expected_.PasteCopy();
        return "Ctrl+V of clipboard text " + std::to_string(pick) + " on " + std::to_string(focused);
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
    reference::ReferenceDialog expected_{program_};
    bool editableList_ = false;
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
    const std::optional<std::string> failure = reference::RunAlongside(program_, driver_, actions);
    EXPECT_FALSE(failure) << "seed " << kSeed << ": " << failure.value_or("");
}

// Random compositions, each copied out of the output box, emptied by picking another region
// and this one again, and pasted back: the dialog shows them whole again, count, total, radio
// position and bytes. Each ends in "休", so that its bytes say where the radio stands (a
// radio checked after the last entry is in no byte).
TEST_P(Monkey, CompositionsPastedBackIntoTheirEmptiedRegionComeBackWhole)
{
    const int regions = expected_.RegionCount();
    for (int composition = 0; composition < 12 && !HasFailure(); ++composition) {
        const int region = composition % regions;
        driver_.PickRegion(region);
        std::vector<std::uint8_t> bytes(16);
        std::ranges::generate(bytes, [&] { return static_cast<std::uint8_t>(random_()); });
        for (const reference::Action& action : reference::DecodeActions(bytes, reference::ControlsOf(program_))) {
            for (int time = 0; time < action.times; ++time) {
                if (action.kind == reference::Action::CheckLength)
                    driver_.CheckLength(action.value);
                else if (action.kind == reference::Action::Click)
                    driver_.Click(action.value);
            }
        }
        driver_.Click(ids_.back);
        driver_.Click(ids_.rest);
        const std::string made = driver_.Show();
        const std::string output = driver_.Output();
        driver_.PickRegion((region + 1) % regions);
        driver_.PickRegion(region);
        ASSERT_EQ(driver_.Output(), "");
        EXPECT_EQ(driver_.Paste(output), std::nullopt) << "seed " << kSeed << ", composition " << composition;
        EXPECT_EQ(driver_.Show(), made) << "seed " << kSeed << ", composition " << composition;
    }
}

// Keys where the focus is: Tab and Shift+Tab walk it, Space clicks or checks, arrows, Home,
// End and typing work the list, Ctrl+V pastes. Now and then the focus goes where a click
// would put it: to any control that takes it, or to the list.
TEST_P(Monkey, KeyPressesKeepEveryControlInStepWithTheReference)
{
    std::vector<int> focusable;
    for (int id = 1000; id < 1100; ++id) {
        if (const QWidget* control = dialog_->GetDlgItem(id); control != nullptr && control->focusPolicy() != Qt::NoFocus)
            focusable.push_back(id);
    }
    std::uniform_int_distribution<std::size_t> choices(0, kKeys.size() + 2);
    for (int event = 0; event < kEvents && !HasFailure(); ++event) {
        const std::size_t choice = choices(random_);
        std::string what;
        if (choice < kKeys.size()) {
            what = PressKey(kKeys[choice]);
        } else if (choice == kKeys.size() + 2) {
            what = PressPaste();
        } else {
            const int id = choice == kKeys.size() ? ids_.regionList : focusable[random_() % focusable.size()];
            FocusControl(*dialog_, id);
            what = "focus on " + std::to_string(id);
        }
        EXPECT_EQ(driver_.Show(), expected_.Show()) << "seed " << kSeed << ", event " << event << ": " << what;
    }
}

INSTANTIATE_TEST_SUITE_P(Programs, Monkey, testing::ValuesIn(ProgramsUnderTest()), testing::PrintToStringParamName());

}  // namespace
