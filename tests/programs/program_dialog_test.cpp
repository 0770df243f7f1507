// The composer program's own dialog, worked through its real widgets with real clicks and
// keys: set-up, template, region list, radio group, closing, refusals, copying the output,
// and agreement with the windowless model of composer-replay.
#include "replay/dialog_model.h"
#include "replay/script.h"
#include "tests/programs/program_dialog.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QClipboard>
#include <QComboBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextCursor>

#include <algorithm>
#include <fstream>
#include <random>
#include <set>
#include <sstream>

namespace {

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// The value after "key=" in a show line.
std::string Field(const std::string& line, const std::string& key)
{
    const std::size_t start = line.find(key + "=");
    if (start == std::string::npos)
        return "?";
    const std::size_t from = start + key.size() + 1;
    return line.substr(from, line.find(' ', from) - from);
}

std::vector<int> PushButtons(const ProgramUnderTest& program)
{
    std::vector<int> ids;
    for (const ExpectedControl& control : program.controls) {
        if (control.kind == ControlKind::PushButton)
            ids.push_back(control.id);
    }
    return ids;
}

QRect Pixels(const DialogRect& units, DialogBaseUnits base)
{
    const CRect rect = DialogRectToPixels(units, base);
    return {rect.left, rect.top, rect.Width(), rect.Height()};
}

// ---------------------------------------------------------------------------------------
// Set-up

TEST_F(ProgramDialog, OpensOnRegionZeroResetWithTheFirstLengthCheckedAndTheFocusInTheList)
{
    EXPECT_EQ(driver->Show(), program.startShow);
    EXPECT_EQ(ControlWidget<QComboBox>(*dialog, program.ids.region)->currentText().toStdString(), program.firstLabel);
    EXPECT_TRUE(HasFocus(*dialog, program.ids.region));
    EXPECT_TRUE(ControlWidget<QRadioButton>(*dialog, program.ids.firstLength)->isChecked());
    const QList<QSize> iconSizes = dialog->GetSafeHwnd()->windowIcon().availableSizes();
    EXPECT_TRUE(iconSizes.contains(QSize(32, 32)));
    EXPECT_TRUE(iconSizes.contains(QSize(16, 16)));
}

// ---------------------------------------------------------------------------------------
// The template

TEST_F(ProgramDialog, TheWindowHasItsTitleTheTemplateSizeInPixelsAndOnlyACloseBox)
{
    QWidget* window = dialog->GetSafeHwnd();
    EXPECT_EQ(window->windowTitle().toStdString(), program.title);
    // The template's font, 9-point "ＭＳ Ｐゴシック", stands in with letters 7 pixels wide
    // on average and 13 pixels high.
    EXPECT_EQ(dialog->GetDialogBaseUnits(), (DialogBaseUnits{7, 13}));
    const QRect client = Pixels({0, 0, program.width, program.height}, dialog->GetDialogBaseUnits());
    EXPECT_EQ(window->size(), client.size());
    EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "not resizable";
    const Qt::WindowFlags flags = window->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
}

TEST_F(ProgramDialog, TheControlsAreCreatedInTemplateOrderWithTheirIdsKindsAndCaptions)
{
    ASSERT_EQ(std::ssize(program.controls), program.controlCount);
    const QList<QWidget*> children = dialog->GetSafeHwnd()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    ASSERT_EQ(children.size(), program.controlCount);
    for (int i = 0; i < program.controlCount; ++i) {
        const ExpectedControl& expected = program.controls[static_cast<std::size_t>(i)];
        QWidget* child = children[i];
        SCOPED_TRACE("control " + std::to_string(i) + ", id " + std::to_string(expected.id));
        if (expected.id != -1) {
            EXPECT_EQ(child, Control(expected.id));
        }
        switch (expected.kind) {
        case ControlKind::RegionList:
            EXPECT_NE(qobject_cast<QComboBox*>(child), nullptr);
            break;
        case ControlKind::NumberBox:
            EXPECT_NE(qobject_cast<QLineEdit*>(child), nullptr);
            break;
        case ControlKind::OutputBox:
            EXPECT_NE(qobject_cast<QPlainTextEdit*>(child), nullptr);
            break;
        case ControlKind::Separator: {
            auto* label = qobject_cast<QLabel*>(child);
            ASSERT_NE(label, nullptr);
            EXPECT_EQ(label->text().toStdString(), expected.caption);
            break;
        }
        case ControlKind::LengthRadio:
        case ControlKind::PushButton: {
            auto* button = qobject_cast<QAbstractButton*>(child);
            ASSERT_NE(button, nullptr);
            EXPECT_EQ(qobject_cast<QRadioButton*>(child) != nullptr, expected.kind == ControlKind::LengthRadio);
            EXPECT_EQ(button->text().toStdString(), expected.caption);
            EXPECT_TRUE(button->isEnabled());
            break;
        }
        }
        EXPECT_TRUE(child->isVisible());
    }
}

TEST_F(ProgramDialog, EveryControlStandsAtItsTemplateRectangle)
{
    const DialogBaseUnits base = dialog->GetDialogBaseUnits();
    for (const ExpectedControl& expected : program.controls) {
        if (expected.id == -1)
            continue;
        SCOPED_TRACE("control " + std::to_string(expected.id));
        const QRect rect = Pixels(expected.rect, base);
        if (auto* list = ControlWidget<QComboBox>(*dialog, expected.id)) {
            // The template height includes the dropped list: the closed box is as high as
            // its font makes it, and the rest holds as many rows as fit.
            EXPECT_EQ(list->geometry().topLeft(), rect.topLeft());
            EXPECT_EQ(list->width(), rect.width());
            EXPECT_LT(list->height(), rect.height());
            const int row = list->view()->sizeHintForRow(0);
            ASSERT_GT(row, 0);
            EXPECT_GE(list->maxVisibleItems(), 1);
            EXPECT_LE(list->height() + list->maxVisibleItems() * row, rect.height());
            EXPECT_GT(list->height() + (list->maxVisibleItems() + 1) * row, rect.height());
        } else {
            EXPECT_EQ(Control(expected.id)->geometry(), rect);
        }
    }
}

TEST_F(ProgramDialog, TheControlsBehaveAsTheirStylesSay)
{
    QComboBox* list = ControlWidget<QComboBox>(*dialog, program.ids.region);
    EXPECT_EQ(list->isEditable(), program.editableRegionList) << "only the noise composer's list takes text";
    std::vector<QRadioButton*> radios;
    for (const ExpectedControl& expected : program.controls) {
        SCOPED_TRACE("control " + std::to_string(expected.id));
        QWidget* widget = expected.id != -1 ? Control(expected.id) : nullptr;
        switch (expected.kind) {
        case ControlKind::NumberBox: {
            auto* box = qobject_cast<QLineEdit*>(widget);
            EXPECT_TRUE(box->isReadOnly());
            EXPECT_TRUE(box->alignment().testFlag(Qt::AlignRight));
            EXPECT_TRUE(box->hasFrame());
            break;
        }
        case ControlKind::OutputBox: {
            auto* box = qobject_cast<QPlainTextEdit*>(widget);
            EXPECT_TRUE(box->isReadOnly());
            EXPECT_EQ(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff) << "it wraps instead";
            EXPECT_EQ(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
            break;
        }
        case ControlKind::PushButton: {
            auto* button = qobject_cast<QPushButton*>(widget);
            EXPECT_FALSE(button->isDefault()) << "no default push button";
            EXPECT_FALSE(button->autoDefault());
            break;
        }
        case ControlKind::LengthRadio:
            radios.push_back(qobject_cast<QRadioButton*>(widget));
            break;
        default: break;
        }
    }
    // The eight radio buttons are one exclusive group of their own.
    ASSERT_EQ(radios.size(), 8U);
    QButtonGroup* group = radios.front()->group();
    ASSERT_NE(group, nullptr);
    EXPECT_TRUE(group->exclusive());
    EXPECT_EQ(group->buttons().size(), 8);
    for (QRadioButton* radio : radios)
        EXPECT_EQ(radio->group(), group);

    // Typing into the read-only boxes changes nothing.
    ASSERT_TRUE(driver->Click(program.rest));
    const std::vector<std::string> before = Snapshot();
    for (const int id : {program.ids.count, program.ids.total, program.ids.output}) {
        FocusControl(*dialog, id);
        QTest::keyClicks(Control(id), "57");
        PressKey(Qt::Key_Backspace);
        PressKey(Qt::Key_Delete);
    }
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(ProgramDialog, TabVisitsTheTabStopsInTemplateOrderAndSkipsRadiosAndTheSeparator)
{
    std::vector<int> tabStops;
    for (const ExpectedControl& expected : program.controls) {
        if (expected.kind != ControlKind::LengthRadio && expected.kind != ControlKind::Separator)
            tabStops.push_back(expected.id);
    }
    ASSERT_TRUE(HasFocus(*dialog, tabStops.front()));
    tabStops.push_back(tabStops.front());  // round to the start
    for (std::size_t i = 1; i < tabStops.size(); ++i) {
        PressKey(Qt::Key_Tab);
        ASSERT_TRUE(HasFocus(*dialog, tabStops[i])) << "Tab number " << i << " should reach " << tabStops[i];
    }
    PressKey(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_TRUE(HasFocus(*dialog, tabStops[tabStops.size() - 2])) << "Shift+Tab goes back";
}

// ---------------------------------------------------------------------------------------
// The region list

TEST_F(ProgramDialog, TheListOffersOneSortedLabelPerRegionFromTheFirstToTheLastAddress)
{
    QComboBox* list = ControlWidget<QComboBox>(*dialog, program.ids.region);
    ASSERT_EQ(list->count(), program.regionCount);
    EXPECT_EQ(list->itemText(0).toStdString(), program.firstLabel);
    EXPECT_EQ(list->itemText(program.another.index).toStdString(), program.another.label);
    EXPECT_EQ(list->itemText(program.regionCount - 1).toStdString(), program.lastLabel);
    // Item i is entry i of the catalogue that the region change looks up.
    const RegionCatalogue catalogue = program.program.channel.Catalogue();
    ASSERT_EQ(std::ssize(catalogue), program.regionCount);
    for (int i = 0; i < list->count(); ++i)
        EXPECT_EQ(list->itemText(i).toStdString(), catalogue[static_cast<std::size_t>(i)].label);
    const QRegularExpression form(QStringLiteral("^([0-9A-F]{4})-([0-9A-F]{4})：\\S+$"));
    int previousLast = -1;
    for (int i = 0; i < list->count(); ++i) {
        const QRegularExpressionMatch match = form.match(list->itemText(i));
        ASSERT_TRUE(match.hasMatch()) << list->itemText(i).toStdString();
        const int first = match.captured(1).toInt(nullptr, 16);
        const int last = match.captured(2).toInt(nullptr, 16);
        EXPECT_LE(first, last);
        EXPECT_GT(first, previousLast) << "item " << i << ": the list is sorted and regions do not overlap";
        previousLast = last;
    }
}

TEST_F(ProgramDialog, PickingEachItemShowsTheBudgetOfItsAddressesAndOneOfTheSixDurationGroups)
{
    const std::set<std::vector<int>> groups = {
        {2, 5, 10, 20, 30, 40, 60, 80}, {4, 8, 12, 16, 24, 32, 48, 64}, {3, 6, 8, 12, 18, 24, 36, 48},
        {3, 6, 9, 12, 18, 27, 36, 54},  {2, 4, 6, 8, 12, 18, 24, 36},   {1, 2, 3, 4, 6, 9, 12, 18}};
    QComboBox* list = ControlWidget<QComboBox>(*dialog, program.ids.region);
    for (int i = program.regionCount - 1; i >= 0; --i) {
        SCOPED_TRACE(list->itemText(i).toStdString());
        ClickEvent();  // something to discard
        driver->PickRegion(i);
        ASSERT_EQ(list->currentIndex(), i);
        const QString label = list->itemText(i);
        const int first = label.mid(0, 4).toInt(nullptr, 16);
        const int last = label.mid(5, 4).toInt(nullptr, 16);
        EXPECT_EQ(driver->Number(program.ids.budget), last - first + 1);
        std::vector<int> durations;
        for (int position = 0; position < 8; ++position)
            durations.push_back(driver->Number(program.ids.firstDuration + position));
        EXPECT_TRUE(groups.contains(durations));
        EXPECT_EQ(driver->Number(program.ids.count), 0);
        EXPECT_EQ(driver->Number(program.ids.total), 0);
        EXPECT_EQ(driver->Output(), "");
    }
}

TEST_F(ProgramDialog, PickingTheCurrentRegionKeepsTheCompositionAnotherEmptiesItAndComingBackStartsEmpty)
{
    const RegionFacts& other = program.another;
    ClickEvent();
    ClickEvent();
    const std::string composed = driver->Show();
    ASSERT_NE(Field(composed, "output"), "");
    driver->PickRegion(0);
    EXPECT_EQ(driver->Show(), composed);

    driver->PickRegion(other.index);
    EXPECT_EQ(driver->Number(program.ids.budget), other.budget);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(driver->Number(program.ids.firstDuration + i), other.durations[static_cast<std::size_t>(i)]);
    EXPECT_EQ(driver->Number(program.ids.count), 0);
    EXPECT_EQ(driver->Number(program.ids.total), 0);
    EXPECT_EQ(driver->Output(), "");

    driver->PickRegion(0);
    EXPECT_EQ(driver->Show(), program.startShow);
}

TEST_F(ProgramDialog, ArrowKeysAndTheWheelChangeTheRegionOnlyWithTheFocusInTheClosedList)
{
    QComboBox* list = ControlWidget<QComboBox>(*dialog, program.ids.region);
    ClickEvent();  // the focus is on the button now
    const std::string composed = driver->Show();
    TurnWheel(*dialog, program.ids.region, 1);
    EXPECT_EQ(driver->Show(), composed) << "the wheel over the list without the focus";

    FocusControl(*dialog, program.ids.region);
    PressKey(Qt::Key_Down);
    EXPECT_EQ(list->currentIndex(), 1);
    EXPECT_EQ(driver->Output(), "");
    ClickEvent();
    FocusControl(*dialog, program.ids.region);
    TurnWheel(*dialog, program.ids.region, 1);
    EXPECT_EQ(list->currentIndex(), 2);
    EXPECT_EQ(driver->Output(), "");
    EXPECT_FALSE(dialog->EndedWith());
}

TEST_F(ProgramDialog, TheCountPassesTheBudgetAndTheBytesKeepComing)
{
    driver->PickRegion(program.smallestBudgetRegion);
    const int budget = driver->Number(program.ids.budget);
    for (int i = 0; i <= budget; ++i)
        ClickEvent();
    EXPECT_GT(driver->Number(program.ids.count), budget);
    EXPECT_EQ(driver->Output().size(), 2U * static_cast<std::size_t>(driver->Number(program.ids.count)));
}

TEST_F(ProgramDialog, AfterNineHundredNinetyEightEntriesMoreAreRefusedButTakingBackStillWorks)
{
    for (int i = 0; i < 998; ++i)
        ClickEvent();
    const int full = driver->Number(program.ids.count);
    EXPECT_GE(full, 998);
    EXPECT_EQ(driver->Output().size(), 2U * static_cast<std::size_t>(full));
    driver->CheckLength(4);
    const std::vector<std::string> before = Snapshot();
    ClickEvent();
    ASSERT_TRUE(driver->Click(program.end));
    EXPECT_EQ(Snapshot(), before);

    ASSERT_TRUE(driver->Click(program.back));
    EXPECT_EQ(driver->Number(program.ids.count), full - 1);
    driver->CheckLength(0);
    ClickEvent();
    EXPECT_EQ(driver->Number(program.ids.count), full);
}

// ---------------------------------------------------------------------------------------
// The radio group

TEST_F(ProgramDialog, CheckingARadioChangesNoNumberAndNoText)
{
    ClickEvent();
    std::vector<std::string> before = Snapshot();
    for (int position = 7; position >= 0; --position) {
        driver->CheckLength(position);
        EXPECT_EQ(driver->CheckedLength(), position);
    }
    EXPECT_EQ(Snapshot(), before);  // position 0 checked again, as before
}

TEST_F(ProgramDialog, ARegionChangePutsTheRadioBackToThePositionTheLastEditRead)
{
    driver->CheckLength(3);
    driver->PickRegion(program.another.index);
    EXPECT_EQ(driver->CheckedLength(), 0) << "the set-up's position";

    driver->CheckLength(3);
    ClickEvent();  // reads position 3
    driver->CheckLength(5);
    driver->PickRegion(0);
    EXPECT_EQ(driver->CheckedLength(), 3);

    // Taking back and the end marker read the controls too.
    ClickEvent();
    driver->CheckLength(6);
    ASSERT_TRUE(driver->Click(program.back));
    driver->CheckLength(1);
    driver->PickRegion(program.another.index);
    EXPECT_EQ(driver->CheckedLength(), 6);

    ClickEvent();
    driver->CheckLength(2);
    ASSERT_TRUE(driver->Click(program.end));
    ASSERT_EQ(driver->Output().substr(driver->Output().size() - 2), "00");
    driver->CheckLength(7);
    driver->PickRegion(0);
    EXPECT_EQ(driver->CheckedLength(), 2);
}

// ---------------------------------------------------------------------------------------
// Closing

TEST_F(ProgramDialog, EscapeCancelsFromAnyControl)
{
    for (const int id : {program.ids.region, program.ids.total, program.ids.output, program.rest}) {
        OtherDialog other;
        FocusControl(*other.dialog, id);
        PressKey(Qt::Key_Escape);
        EXPECT_EQ(other.dialog->EndedWith(), IDCANCEL) << "Escape in control " << id;
        EXPECT_FALSE(other.dialog->GetSafeHwnd()->isVisible());
    }
    ClickControl(*dialog, program.ids.firstLength + 4);
    PressKey(Qt::Key_Escape);
    EXPECT_EQ(dialog->EndedWith(), IDCANCEL);
}

TEST_F(ProgramDialog, EnterInTheListInANumberBoxOrOnARadioEndsWithOk)
{
    ASSERT_TRUE(HasFocus(*dialog, program.ids.region));
    PressKey(Qt::Key_Return);
    EXPECT_EQ(dialog->EndedWith(), IDOK);
    EXPECT_FALSE(dialog->GetSafeHwnd()->isVisible());

    OtherDialog inBox;
    inBox.driver->Click(program.rest);
    FocusControl(*inBox.dialog, program.ids.budget);
    PressKey(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(inBox.dialog->EndedWith(), IDOK);

    OtherDialog onRadio;
    ClickControl(*onRadio.dialog, program.ids.firstLength + 2);
    ASSERT_TRUE(HasFocus(*onRadio.dialog, program.ids.firstLength + 2));
    PressKey(Qt::Key_Return);
    EXPECT_EQ(onRadio.dialog->EndedWith(), IDOK);
    EXPECT_FALSE(onRadio.dialog->GetSafeHwnd()->isVisible());
}

TEST_F(ProgramDialog, EnterOrSpaceOnAFocusedPushButtonClicksItAndTheDialogStays)
{
    FocusControl(*dialog, program.rest);
    PressKey(Qt::Key_Return);
    const int afterEnter = driver->Number(program.ids.count);
    EXPECT_GT(afterEnter, 0);
    PressKey(Qt::Key_Space);
    const int afterSpace = driver->Number(program.ids.count);
    EXPECT_GT(afterSpace, afterEnter);
    FocusControl(*dialog, program.back);
    PressKey(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(driver->Number(program.ids.count), afterEnter);
    EXPECT_EQ(driver->Output().size(), 2U * static_cast<std::size_t>(afterEnter));
    for (const int key : program.keysWithoutMeaning) {
        FocusControl(*dialog, key);
        PressKey(Qt::Key_Return);
    }
    EXPECT_FALSE(dialog->EndedWith());
    EXPECT_TRUE(dialog->GetSafeHwnd()->isVisible());
    EXPECT_EQ(driver->Number(program.ids.count), afterEnter);
}

TEST_F(ProgramDialog, EnterInTheOutputBoxDoesNothing)
{
    ClickEvent();
    const std::vector<std::string> before = Snapshot();
    FocusControl(*dialog, program.ids.output);
    PressKey(Qt::Key_Return);
    PressKey(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_FALSE(dialog->EndedWith());
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(ProgramDialog, TheCloseBoxAndAltF4Cancel)
{
    dialog->GetSafeHwnd()->close();
    EXPECT_EQ(dialog->EndedWith(), IDCANCEL);
    EXPECT_FALSE(dialog->GetSafeHwnd()->isVisible());

    OtherDialog other;
    PressKey(Qt::Key_F4, Qt::AltModifier);
    EXPECT_EQ(other.dialog->EndedWith(), IDCANCEL);
}

TEST(ProgramModalRun, EscapeAndEnterEndTheModalRunWithCancelAndOk)
{
    CWinApp app;
    ComposerState state;
    const std::unique_ptr<CDialog> dialog = UnderTest().open(state);
    std::string shown;
    WhenModalDialogIsActive([&](QWidget* window) {
        shown = window->windowTitle().toStdString();
        PressKey(Qt::Key_Escape);
    });
    EXPECT_EQ(dialog->DoModal(), IDCANCEL);
    EXPECT_EQ(shown, UnderTest().title);
    EXPECT_EQ(dialog->GetSafeHwnd(), nullptr) << "the window is gone after the run";

    ComposerState other;
    const std::unique_ptr<CDialog> second = UnderTest().open(other);
    WhenModalDialogIsActive([&](QWidget*) { PressKey(Qt::Key_Return); });  // in the list
    EXPECT_EQ(second->DoModal(), IDOK);
}

// ---------------------------------------------------------------------------------------
// Refusals

TEST_F(ProgramDialog, ClicksThatCannotApplyToAnEmptyCompositionChangeNoControlAndReadNone)
{
    ASSERT_FALSE(program.refusedWhenEmpty.empty());
    driver->CheckLength(3);
    const std::vector<std::string> before = Snapshot();
    for (const int id : program.refusedWhenEmpty) {
        ASSERT_TRUE(driver->Click(id));
        EXPECT_EQ(Snapshot(), before) << "after a click on " << id;
    }
    // Had any of them read the controls, position 3 would now come back.
    driver->PickRegion(program.another.index);
    EXPECT_EQ(driver->CheckedLength(), 0);
}

TEST_F(ProgramDialog, KeysCaptionedXChangeNoControlAndReadNoneAfterNotesEither)
{
    if (program.keysWithoutMeaning.empty())
        GTEST_SKIP() << "every button of this program has a meaning";
    ClickEvent();
    driver->CheckLength(5);
    const std::vector<std::string> before = Snapshot();
    for (const int id : program.keysWithoutMeaning) {
        EXPECT_EQ(ControlWidget<QPushButton>(*dialog, id)->text(), "x");
        ASSERT_TRUE(driver->Click(id));
        EXPECT_EQ(Snapshot(), before) << "after a click on " << id;
    }
    driver->PickRegion(program.another.index);
    EXPECT_EQ(driver->CheckedLength(), 0);
}

// ---------------------------------------------------------------------------------------
// The worked example

TEST_F(ProgramDialog, TheWorkedExampleClickedThrough)
{
    Run("region " + std::to_string(program.workedRegion));
    int step = 1;
    for (const WorkedStep& worked : program.worked) {
        SCOPED_TRACE("step " + std::to_string(step++) + ": " + worked.actions);
        Run(worked.actions);
        EXPECT_EQ(driver->Output(), worked.output);
        EXPECT_EQ(driver->Number(program.ids.count), worked.count);
        EXPECT_EQ(driver->Number(program.ids.total), worked.total);
    }
}

// ---------------------------------------------------------------------------------------
// Taking the output out

class TakingTheOutput : public ProgramDialog {
protected:
    void SetUp() override
    {
        ProgramDialog::SetUp();
        // Enough bytes to wrap over several lines of the output box.
        for (int i = 0; i < 40; ++i) {
            driver->CheckLength(i % 8);
            ClickEvent();
        }
        ASSERT_GT(driver->Output().size(), 60U);
        QApplication::clipboard()->clear();
    }
};

TEST_F(TakingTheOutput, SelectAllAndCopyWithTheKeyboard)
{
    FocusControl(*dialog, program.ids.output);
    PressKey(Qt::Key_A, Qt::ControlModifier);
    PressKey(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), driver->Output());

    FocusControl(*dialog, program.ids.total);
    PressKey(Qt::Key_A, Qt::ControlModifier);
    PressKey(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text().toInt(), driver->Number(program.ids.total));
    EXPECT_EQ(QApplication::clipboard()->text(), ControlWidget<QLineEdit>(*dialog, program.ids.total)->text());
}

TEST_F(TakingTheOutput, DragOverTheWholeOutputAndCopy)
{
    auto* box = ControlWidget<QPlainTextEdit>(*dialog, program.ids.output);
    FocusControl(*dialog, program.ids.output);
    PressKey(Qt::Key_Home, Qt::ControlModifier);  // to the top of the text
    QWidget* viewport = box->viewport();
    QTextCursor start(box->document());
    const QPoint from = box->cursorRect(start).center() - QPoint(2, 0);
    const QPoint to(viewport->width() - 2, viewport->height() - 2);
    QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(viewport, (from + to) / 2);
    QTest::mouseMove(viewport, to);
    QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, to);
    ASSERT_TRUE(HasFocus(*dialog, program.ids.output));
    PressKey(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), driver->Output());
}

TEST_F(TakingTheOutput, DoubleClickSelectsTheWholeOutputOrTheWholeNumber)
{
    auto* box = ControlWidget<QPlainTextEdit>(*dialog, program.ids.output);
    QTest::mouseDClick(box->viewport(), Qt::LeftButton, Qt::NoModifier, box->cursorRect().center());
    PressKey(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), driver->Output());

    auto* count = ControlWidget<QLineEdit>(*dialog, program.ids.count);
    QTest::mouseDClick(count, Qt::LeftButton, Qt::NoModifier, count->rect().center());
    PressKey(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text().toInt(), driver->Number(program.ids.count));
    EXPECT_EQ(QApplication::clipboard()->text(), count->text());
}

// ---------------------------------------------------------------------------------------
// composer-replay and the dialog agree

class ReplayAgreement : public ProgramDialog {
protected:
    // Runs `script` through the real dialog and the windowless model; their show lines.
    std::pair<std::string, std::string> BothRun(const std::string& script)
    {
        DialogModel model(program.program);
        std::istringstream forModel(script);
        std::ostringstream modelOut;
        std::ostringstream err;
        EXPECT_EQ(RunScript(forModel, modelOut, err, model), kScriptOk) << err.str();
        return {Run(script), modelOut.str()};
    }

    static void ExpectSameLines(const std::string& dialogShows, const std::string& modelShows)
    {
        const std::vector<std::string> fromDialog = Lines(dialogShows);
        const std::vector<std::string> fromModel = Lines(modelShows);
        ASSERT_EQ(fromDialog.size(), fromModel.size());
        ASSERT_FALSE(fromDialog.empty());
        for (std::size_t i = 0; i < fromDialog.size(); ++i)
            ASSERT_EQ(fromDialog[i], fromModel[i]) << "show number " << i + 1;
    }
};

TEST_F(ReplayAgreement, TheProgramsSampleScript)
{
    std::ifstream file(std::string(SAMPLES_DIR) + "/" + program.name + ".txt");
    ASSERT_TRUE(file.is_open());
    std::stringstream script;
    script << file.rdbuf();
    const auto [dialogShows, modelShows] = BothRun(script.str());
    ExpectSameLines(dialogShows, modelShows);
}

TEST_F(ReplayAgreement, TheWorkedExampleShownAfterEveryStep)
{
    std::string script = "show\nregion " + std::to_string(program.workedRegion) + "\nshow\n";
    for (const WorkedStep& step : program.worked)
        script += step.actions + "\nshow\n";
    const auto [dialogShows, modelShows] = BothRun(script);
    ExpectSameLines(dialogShows, modelShows);
    const std::vector<std::string> last = Lines(dialogShows);
    EXPECT_EQ(Field(last.back(), "output"), program.worked.back().output);
}

TEST_F(ReplayAgreement, ALongRandomScriptShownAfterEveryAction)
{
    const std::vector<int> buttons = PushButtons(program);
    std::mt19937 random(20240611u + static_cast<unsigned>(program.regionCount));
    const auto pick = [&random](std::size_t n) { return static_cast<std::size_t>(random() % n); };
    std::ostringstream script;
    for (int action = 0; action < 300; ++action) {
        const std::size_t kind = pick(100);
        if (kind < 5)
            script << "region " << pick(static_cast<std::size_t>(program.regionCount)) << '\n';
        else if (kind < 25)
            script << "length " << pick(8) << '\n';
        else if (kind < 37)
            script << "click " << program.back << '\n';
        else if (kind < 42)
            script << "click " << program.end << '\n';
        else
            script << "click " << buttons[pick(buttons.size())] << '\n';
        script << "show\n";
    }
    const auto [dialogShows, modelShows] = BothRun(script.str());
    ExpectSameLines(dialogShows, modelShows);
    // What the dialog showed: always twice as many hex digits as bytes counted.
    const QRegularExpression hex(QStringLiteral("^([0-9A-F]{2})*$"));
    int longest = 0;
    for (const std::string& line : Lines(dialogShows)) {
        const std::string output = Field(line, "output");
        EXPECT_EQ(output.size(), 2U * std::stoul(Field(line, "count"))) << line;
        EXPECT_TRUE(hex.match(QString::fromStdString(output)).hasMatch()) << line;
        longest = std::max(longest, std::stoi(Field(line, "count")));
    }
    EXPECT_GT(longest, 10) << "the script should build up some composition";
}

}  // namespace
