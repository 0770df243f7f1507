// The dialog as screen readers and UI automation meet it: through the toolkit's
// accessibility interfaces of the real widgets.
#include "framework/cwinapp.h"
#include "replay/dialog_model.h"
#include "tests/desktop/desktop_facts.h"
#include "tests/support/widget_driver.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <string>
#include <vector>

namespace {

std::string NameOf(const QWidget* widget)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(const_cast<QWidget*>(widget));
    return accessible != nullptr ? accessible->text(QAccessible::Name).toStdString() : "";
}

class AssistiveTechnology : public testing::Test {
protected:
    void SetUp() override
    {
        dialog = facts.open(state);
        ASSERT_TRUE(ShowActive(*dialog));
    }

    // The dialog's controls as assistive technology lists them, in template order.
    std::vector<QAccessibleInterface*> Controls() const
    {
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(dialog->GetSafeHwnd());
        std::vector<QAccessibleInterface*> controls;
        for (int i = 0; window != nullptr && i < window->childCount(); ++i)
            controls.push_back(window->child(i));
        return controls;
    }

    // The first control named `name`, or nullptr.
    QAccessibleInterface* Named(const std::string& name) const
    {
        for (QAccessibleInterface* control : Controls()) {
            if (control->text(QAccessible::Name).toStdString() == name)
                return control;
        }
        return nullptr;
    }

    int IdOf(const QObject* widget) const
    {
        for (int id = 1000; id < 1200; ++id) {
            if (dialog->GetDlgItem(id) == widget)
                return id;
        }
        return -1;
    }

    template <class Widget>
    std::vector<Widget*> Widgets() const
    {
        std::vector<Widget*> widgets;
        for (QAccessibleInterface* control : Controls()) {
            if (auto* widget = qobject_cast<Widget*>(control->object()))
                widgets.push_back(widget);
        }
        return widgets;
    }

    // The keyboard's keys: push buttons taller than wide.
    std::vector<QPushButton*> Keys() const
    {
        std::vector<QPushButton*> keys;
        for (QPushButton* button : Widgets<QPushButton>()) {
            if (button->height() > button->width())
                keys.push_back(button);
        }
        return keys;
    }

    const DesktopFacts& facts = UnderTest();
    CWinApp app;  // the dialog loads its icon through the application
    ComposerState state;
    std::unique_ptr<CDialog> dialog;
};

TEST_F(AssistiveTechnology, EveryControlHasANameThatSaysMoreThanItsCaption)
{
    const std::vector<QAccessibleInterface*> controls = Controls();
    ASSERT_EQ(std::ssize(controls), dialog->GetSafeHwnd()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size());
    for (QAccessibleInterface* control : controls) {
        const QString name = control->text(QAccessible::Name);
        SCOPED_TRACE("control " + std::to_string(IdOf(control->object())));
        EXPECT_FALSE(name.isEmpty());
        EXPECT_NE(name, "Radio1");
        EXPECT_NE(name, "x");
    }
}

TEST_F(AssistiveTechnology, NumberBoxesRegionListAndOutputAreNamedByWhatTheyShow)
{
    for (const auto& [id, name] : facts.namedControls) {
        SCOPED_TRACE("control " + std::to_string(id));
        QWidget* control = dialog->GetDlgItem(id);
        if (qobject_cast<QComboBox*>(control) != nullptr) {
            // Announced by its selected item on some platforms, by its name on others; the
            // description says what it is everywhere.
            const QAccessibleInterface* list = QAccessible::queryAccessibleInterface(control);
            EXPECT_EQ(list->text(QAccessible::Description).toStdString(), name);
            EXPECT_TRUE(list->text(QAccessible::Name).toStdString() == name ||
                        list->text(QAccessible::Name) == list->text(QAccessible::Value));
        } else {
            EXPECT_EQ(NameOf(control), name);
        }
    }
    // The value is still read out after the name: the budget of region 0.
    QAccessibleInterface* budget = Named("byte budget");
    ASSERT_NE(budget, nullptr);
    EXPECT_EQ(budget->text(QAccessible::Value), qobject_cast<QLineEdit*>(budget->object())->text());
    EXPECT_NE(budget->text(QAccessible::Value), "0");
}

TEST_F(AssistiveTechnology, RadioButtonsAreNamedByLengthAndEachDurationBoxByTheRadioBelowIt)
{
    std::vector<QRadioButton*> radios = Widgets<QRadioButton>();
    ASSERT_EQ(radios.size(), 8u);
    std::ranges::sort(radios, {}, [](const QWidget* radio) { return radio->x(); });
    const std::vector<QLineEdit*> boxes = Widgets<QLineEdit>();
    for (std::size_t i = 0; i < radios.size(); ++i) {
        const std::string length = "length " + std::to_string(i + 1);
        EXPECT_EQ(NameOf(radios[i]), length);
        // The nearest box above the radio button whose column it stands in.
        const QLineEdit* above = nullptr;
        for (const QLineEdit* box : boxes) {
            const bool sameColumn = box->x() <= radios[i]->x() && radios[i]->x() < box->x() + box->width();
            if (sameColumn && box->y() < radios[i]->y() && (above == nullptr || box->y() > above->y()))
                above = box;
        }
        ASSERT_NE(above, nullptr) << length;
        EXPECT_EQ(NameOf(above), "duration of " + length);
    }
}

TEST_F(AssistiveTechnology, ButtonsCaptionedWithSymbolsAreNamedByTheirMeaning)
{
    const std::vector<QPushButton*> buttons = Widgets<QPushButton>();
    for (const auto& captionAndMeaning : facts.captionMeanings) {
        const std::string& caption = captionAndMeaning.first;
        SCOPED_TRACE(caption);
        std::vector<const QPushButton*> captioned;
        for (const QPushButton* button : buttons) {
            if (button->text().toStdString() == caption)
                captioned.push_back(button);
        }
        ASSERT_EQ(captioned.size(), 1u);
        EXPECT_EQ(NameOf(captioned.front()), captionAndMeaning.second);
        EXPECT_EQ(QAccessible::queryAccessibleInterface(const_cast<QPushButton*>(captioned.front()))->role(),
                  QAccessible::Button);
    }
}

// White keys follow the piano pattern from the lowest one, left to right; a black key plays
// the sharp of the white key on its left; a key captioned "x" plays nothing.
TEST_F(AssistiveTechnology, KeysAreNamedByTheNoteTheyPlayOnThePianoPattern)
{
    if (facts.lowestWhite.empty())
        GTEST_SKIP() << facts.name << " has no keyboard";
    const std::map<int, std::string> apart(facts.keysApart.begin(), facts.keysApart.end());
    std::vector<QPushButton*> keys = Keys();
    ASSERT_FALSE(keys.empty());
    std::ranges::sort(keys, {}, [](const QWidget* key) { return key->x(); });
    const int whiteRow = std::ranges::max(keys, {}, [](const QWidget* key) { return key->y(); })->y();

    constexpr std::array<const char*, 7> kNotes = {"C", "D", "E", "F", "G", "A", "B"};
    auto note = std::ranges::find(kNotes, facts.lowestWhite);
    ASSERT_NE(note, kNotes.end());
    std::map<const QPushButton*, std::string> notes;
    const QPushButton* whiteOnTheLeft = nullptr;
    for (const QPushButton* key : keys) {
        const int id = IdOf(key);
        if (apart.contains(id)) {
            notes[key] = apart.at(id);
        } else if (key->y() == whiteRow) {
            notes[key] = *note;
            note = std::next(note) == kNotes.end() ? kNotes.begin() : std::next(note);
            whiteOnTheLeft = key;
        } else {
            ASSERT_NE(whiteOnTheLeft, nullptr) << "black key " << id << " with no white key on its left";
            notes[key] = notes[whiteOnTheLeft] + "♯";
        }
    }
    for (const QPushButton* key : keys) {
        const std::string caption = key->text().toStdString();
        SCOPED_TRACE("key " + std::to_string(IdOf(key)) + " captioned '" + caption + "'");
        EXPECT_EQ(NameOf(key), caption == "x" ? "no note" : notes[key]);
        if (caption == "c" || caption == "d") {  // captions that name the note agree with it
            EXPECT_EQ(NameOf(key), caption == "c" ? "C" : "D");
        }
    }
}

// UI automation finds each control by its name and triggers its default action; the
// dialog then shows what a click on the same control shows in the windowless model.
TEST_F(AssistiveTechnology, UiAutomationDrivesTheDialogByName)
{
    DialogModel model(facts.program);
    for (const std::string& name : facts.pressedByName) {
        SCOPED_TRACE("pressed '" + name + "'");
        QAccessibleInterface* control = Named(name);
        ASSERT_NE(control, nullptr);
        ASSERT_NE(control->actionInterface(), nullptr);
        auto* button = qobject_cast<QAbstractButton*>(control->object());
        ASSERT_NE(button, nullptr);
        const int id = IdOf(button);
        if (qobject_cast<QRadioButton*>(button) != nullptr)
            model.CheckLength(id - facts.firstLength);
        else
            ASSERT_TRUE(model.Click(id));

        const QStringList actions = control->actionInterface()->actionNames();
        ASSERT_FALSE(actions.isEmpty());
        control->actionInterface()->doAction(actions.first());
        // A pressed button lets go a moment later, as a click does, and runs its handler.
        EXPECT_TRUE(QTest::qWaitFor([&] { return !button->isDown(); }, 2000));
        if (qobject_cast<QRadioButton*>(button) != nullptr) {
            EXPECT_TRUE(button->isChecked());
        }

        const ComposerState& expected = model.State();
        EXPECT_EQ(Named("output bytes")->text(QAccessible::Value).toStdString(), expected.outputText);
        EXPECT_EQ(Named("byte count")->text(QAccessible::Value).toInt(), expected.fields.byteCount);
        EXPECT_EQ(Named("duration total")->text(QAccessible::Value).toInt(), expected.fields.durationTotal);
    }
    EXPECT_FALSE(model.State().outputText.empty());
}

}  // namespace
