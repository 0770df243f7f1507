// Dialogs from templates of the tests' own, with what the programs' templates do not have:
// a dialog without a title bar or title, controls of other styles, groups of controls that
// the arrow keys go round, and a font that is installed or has no stand-in.
#include "framework/cdialog.h"
#include "framework/message_map.h"
#include "framework/resources.h"
#include "framework/qt/modeless_dialog.h"
#include "framework/window_styles.h"
#include "tests/support/widget_driver.h"

#include <QComboBox>
#include <QDialog>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

enum : int { kSketch = 200, kUnknownFace, kNoSuchTemplate };
enum : int { kFirst = 300, kHidden, kDisabled, kSecond, kRadioA, kRadioB, kLone, kList, kField, kNotes };

constexpr std::uint32_t kShown = WS_CHILD | WS_VISIBLE;
constexpr DialogItemTemplate kItems[] = {
    // A group from the template's start: two buttons with a label, a hidden and a disabled
    // button between them.
    {"BUTTON", kFirst, "1", {4, 4, 12, 12}, kShown | BS_PUSHBUTTON | WS_TABSTOP},
    {"STATIC", -1, "-", {18, 4, 6, 12}, kShown | SS_LEFT},
    {"BUTTON", kHidden, "h", {26, 4, 12, 12}, WS_CHILD | BS_PUSHBUTTON},
    {"BUTTON", kDisabled, "d", {40, 4, 12, 12}, kShown | BS_PUSHBUTTON},
    {"BUTTON", kSecond, "2", {54, 4, 12, 12}, kShown | BS_PUSHBUTTON},
    // Two radio buttons, a group that the next one ends; then a button on its own.
    {"BUTTON", kRadioA, "a", {4, 20, 20, 10}, kShown | BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP},
    {"BUTTON", kRadioB, "b", {26, 20, 20, 10}, kShown | BS_AUTORADIOBUTTON},
    {"BUTTON", kLone, "x", {54, 20, 12, 12}, kShown | BS_PUSHBUTTON | WS_GROUP | WS_TABSTOP},
    // An unsorted list, a left-aligned text field to type in and a multi-line one, without
    // frames or scroll bars; Return in the latter is not its own.
    {"COMBOBOX", kList, "", {4, 36, 60, 40}, kShown | CBS_DROPDOWNLIST | WS_GROUP | WS_TABSTOP},
    {"EDIT", kField, "typed", {4, 52, 60, 12}, kShown | WS_TABSTOP},
    {"EDIT", kNotes, "", {4, 68, 60, 24}, kShown | ES_MULTILINE | WS_TABSTOP},
};
constexpr DialogTemplate kSketchTemplate{nullptr, {0, 0, 80, 100}, WS_POPUP | WS_VISIBLE | DS_SETFONT, 0,
                                         {"IPAPGothic", 9}, kItems};
constexpr DialogTemplate kUnknownFaceTemplate{"?", {0, 0, 80, 100}, WS_POPUP | WS_VISIBLE | DS_SETFONT, 0,
                                              {"Orvo No Such Face", 9}, kItems};
constexpr DialogResource kDialogs[] = {{kSketch, &kSketchTemplate}, {kUnknownFace, &kUnknownFaceTemplate}};
constexpr DialogInitRecord kListItems[] = {{kList, "b"}, {kList, "c"}, {kList, "a"}};
constexpr DialogInitResource kInits[] = {{kSketch, kListItems}};
constexpr ResourceTable kResources{"sketch", kDialogs, kInits};

// A dialog that records the clicks its radio buttons send.
class SketchDialog : public CDialog {
public:
    explicit SketchDialog(int templateId) : CDialog(templateId) {}

    std::vector<int> radioClicks;

protected:
    void OnRadio(UINT id) { radioClicks.push_back(static_cast<int>(id)); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(SketchDialog, CDialog)
    ON_CONTROL_RANGE(BN_CLICKED, kRadioA, kRadioB, OnRadio)
END_MESSAGE_MAP()

class Sketch : public testing::Test {
protected:
    void SetUp() override
    {
        AfxSetResourceHandle(kResources);
        ASSERT_TRUE(ShowActive(dialog));
    }

    // Presses `key` on control `from`; where the focus went.
    int FocusAfter(int from, Qt::Key key)
    {
        FocusControl(dialog, from);
        PressKey(key);
        for (int id = kFirst; id <= kNotes; ++id) {
            if (HasFocus(dialog, id))
                return id;
        }
        return 0;
    }

    SketchDialog dialog{kSketch};
};

// The arrow keys go round a group, past labels, hidden and disabled controls; a radio
// button they reach unchecked is clicked. A control alone in its group keeps the focus.
TEST_F(Sketch, ArrowKeysGoRoundAGroupToTheControlsThatTakeTheFocus)
{
    dialog.GetDlgItem(kDisabled)->setEnabled(false);
    EXPECT_EQ(FocusAfter(kFirst, Qt::Key_Right), kSecond);
    EXPECT_EQ(FocusAfter(kSecond, Qt::Key_Down), kFirst);
    EXPECT_EQ(FocusAfter(kFirst, Qt::Key_Up), kSecond);
    EXPECT_EQ(FocusAfter(kLone, Qt::Key_Left), kLone);

    auto* radioA = ControlWidget<QRadioButton>(dialog, kRadioA);
    auto* radioB = ControlWidget<QRadioButton>(dialog, kRadioB);
    EXPECT_EQ(FocusAfter(kRadioA, Qt::Key_Right), kRadioB);
    EXPECT_TRUE(radioB->isChecked());
    EXPECT_EQ(FocusAfter(kRadioB, Qt::Key_Right), kRadioA);
    EXPECT_TRUE(radioA->isChecked() && !radioB->isChecked());
    EXPECT_EQ(FocusAfter(kRadioB, Qt::Key_Left), kRadioA);
    EXPECT_EQ(dialog.radioClicks, (std::vector<int>{kRadioB, kRadioA}));
}

// The template's styles make the controls: no caption, no title bar and no system menu; a
// list without CBS_SORT in the order of its data; a field to type in, aligned left, and a
// multi-line one without frames or scroll bar, where Return means OK.
TEST_F(Sketch, TheStylesOfTheTemplateShapeTheWindowAndItsControls)
{
    QWidget* window = dialog.GetSafeHwnd();
    EXPECT_EQ(window->windowTitle(), "");
    EXPECT_FALSE(window->windowFlags().testAnyFlags(Qt::WindowTitleHint | Qt::WindowSystemMenuHint));
    EXPECT_FALSE(ControlWidget<QWidget>(dialog, kHidden)->isVisible());
    const auto* list = ControlWidget<QComboBox>(dialog, kList);
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->itemText(0) + list->itemText(1) + list->itemText(2), "bca");

    const auto* field = ControlWidget<QLineEdit>(dialog, kField);
    EXPECT_EQ(field->text(), "typed");
    EXPECT_FALSE(field->isReadOnly() || field->hasFrame());
    EXPECT_TRUE(field->alignment().testFlag(Qt::AlignLeft));
    auto* notes = ControlWidget<QPlainTextEdit>(dialog, kNotes);
    EXPECT_FALSE(notes->isReadOnly());
    EXPECT_EQ(notes->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(notes->frameShape(), QFrame::NoFrame);
    FocusControl(dialog, kNotes);
    TypeText("ab");
    EXPECT_EQ(notes->toPlainText(), "ab");
    PressKey(Qt::Key_Return);
    EXPECT_EQ(notes->toPlainText(), "ab");
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(qobject_cast<const QDialog*>(window)->result(), IDOK);
}

// A face that is installed draws the dialog as it is; one with no stand-in falls back to an
// installed Japanese font.
TEST_F(Sketch, AnInstalledFaceIsUsedAndOneWithoutAStandInFallsBackToAJapaneseFont)
{
    EXPECT_EQ(QFontInfo(dialog.GetSafeHwnd()->font()).family(), "IPAPGothic");
    CDialog unknownFace(kUnknownFace);
    ASSERT_TRUE(CreateModeless(unknownFace));
    const QString family = QFontInfo(unknownFace.GetSafeHwnd()->font()).family();
    EXPECT_TRUE(QFontDatabase::families(QFontDatabase::Japanese).contains(family)) << family.toStdString();
}

// A template the module lacks makes no window: no controls, and no modal or modeless run.
TEST_F(Sketch, ATemplateTheModuleLacksMakesNoWindow)
{
    CDialog missing(kNoSuchTemplate);
    EXPECT_EQ(missing.DoModal(), -1);
    EXPECT_FALSE(CreateModeless(missing));
    EXPECT_EQ(missing.GetSafeHwnd(), nullptr);
    EXPECT_EQ(missing.GetDlgItem(kFirst), nullptr);
    CWnd control;
    EXPECT_FALSE(control.SubclassDlgItem(kFirst, &missing));
    EXPECT_FALSE(control.SubclassDlgItem(kNoSuchTemplate, &dialog));
    EXPECT_EQ(control.GetSafeHwnd(), nullptr);
    EXPECT_TRUE(control.SubclassDlgItem(kFirst, &dialog));
    EXPECT_EQ(control.GetSafeHwnd(), dialog.GetDlgItem(kFirst));
}

}  // namespace
