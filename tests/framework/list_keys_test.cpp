// The keys of a region list, closed and open, as the classic system's list takes them (what
// Wine's list does with each, found by trying it): real key presses on a list without a text
// field holding labels of the tests' own, and on the noise program's list with its field.
#include "framework/message_map.h"
#include "pulsar/composer_program.h"
#include "tests/framework/noise_dialog.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>

#include <string>
#include <vector>

namespace {

// The square-wave program's template, whose list shows 10 rows when open, with 21 labels
// that sort alike with or without case: apple 0, banana 1, bay 2, cherry 3, d01 4 .. d17 20.
constexpr int kRegionList = pulsar::kIds.regionList;
constexpr DialogInitRecord kLabels[] = {
    {kRegionList, "d01"}, {kRegionList, "d02"}, {kRegionList, "d03"}, {kRegionList, "d04"}, {kRegionList, "d05"}, {kRegionList, "d06"},
    {kRegionList, "d07"}, {kRegionList, "d08"}, {kRegionList, "d09"}, {kRegionList, "d10"}, {kRegionList, "d11"}, {kRegionList, "d12"},
    {kRegionList, "d13"}, {kRegionList, "d14"}, {kRegionList, "d15"}, {kRegionList, "d16"}, {kRegionList, "d17"}, {kRegionList, "cherry"},
    {kRegionList, "bay"}, {kRegionList, "banana"}, {kRegionList, "apple"}};
constexpr DialogInitResource kInit[] = {{IDD_COMPOSER, kLabels}};

// A dialog with only that list, on its first item, which records each selection change.
class ListDialog : public CDialog {
public:
    ListDialog() : CDialog(IDD_COMPOSER)
    {
        static const ResourceTable resources{"pulsar", pulsar::kComposer.resources.Table().dialogs, kInit};
        AfxSetResourceHandle(resources);
    }

    CComboBox list;
    std::vector<int> selections;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CDialog::DoDataExchange(pDX);
        DDX_Control(pDX, kRegionList, list);
    }
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        list.SetCurSel(0);
        return TRUE;
    }
    void OnListChange() { selections.push_back(list.GetCurSel()); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ListDialog, CDialog)
    ON_CBN_SELCHANGE(kRegionList, OnListChange)
END_MESSAGE_MAP()

QAbstractItemView* OpenList()
{
    QWidget* popup = QApplication::activePopupWidget();
    return popup != nullptr ? popup->findChild<QAbstractItemView*>() : nullptr;
}

class DropDownList : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ShowActive(dialog));
        widget = ControlWidget<QComboBox>(dialog, kRegionList);
        ASSERT_EQ(widget->count(), 21);
        ASSERT_EQ(widget->itemText(3).toStdString(), "cherry");
        FocusControl(dialog, kRegionList);
    }

    // Presses each key in turn; the items the list was on after each.
    std::vector<int> Press(std::initializer_list<Qt::Key> keys, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        std::vector<int> items;
        for (const Qt::Key key : keys) {
            PressKey(key, modifiers);
            items.push_back(OpenList() != nullptr ? OpenList()->currentIndex().row() : widget->currentIndex());
        }
        return items;
    }

    ListDialog dialog;
    QComboBox* widget = nullptr;
};

// Page Down and Page Up move a page less one row, the arrows one item, Home and End to the
// ends; none goes past an end. Each change notifies once; a key at an end, none.
TEST_F(DropDownList, ClosedThePageKeysMoveNineItemsTheArrowsOneAndNoneGoesPastAnEnd)
{
    using enum Qt::Key;
    EXPECT_EQ(Press({Key_PageDown, Key_PageDown, Key_PageDown, Key_PageDown}), (std::vector{9, 18, 20, 20}));
    EXPECT_EQ(Press({Key_PageUp, Key_PageUp, Key_PageUp, Key_PageUp}), (std::vector{11, 2, 0, 0}));
    EXPECT_EQ(Press({Key_Up, Key_Left, Key_Right, Key_Down, Key_End, Key_Right, Key_Home}), (std::vector{0, 0, 1, 2, 20, 20, 0}));
    EXPECT_EQ(dialog.selections, (std::vector{9, 18, 20, 11, 2, 0, 1, 2, 20, 0}));
    EXPECT_EQ(OpenList(), nullptr);
}

// A character goes to the next item that starts with it, whatever its case, round past the
// last; each character looks on its own, so the same one twice goes on twice. A character
// no label starts with, Space among them, changes nothing and opens nothing.
TEST_F(DropDownList, ClosedATypedCharacterGoesToTheNextItemStartingWithIt)
{
    using enum Qt::Key;
    EXPECT_EQ(Press({Key_B, Key_B, Key_B, Key_C, Key_D, Key_D}), (std::vector{1, 2, 1, 3, 4, 5}));
    EXPECT_EQ(Press({Key_B}, Qt::ShiftModifier), std::vector{1});
    EXPECT_EQ(Press({Key_A, Key_X, Key_Space, Key_1}), (std::vector{0, 0, 0, 0}));
    EXPECT_EQ(Press({Key_End, Key_D, Key_A}), (std::vector{20, 4, 0}));
    EXPECT_EQ(dialog.selections, (std::vector{1, 2, 1, 3, 4, 5, 1, 0, 20, 4, 0}));
    EXPECT_EQ(OpenList(), nullptr);
}

// In the open list the same keys only browse: Escape puts back the item it opened on and
// Enter takes the one it closes on, which then notifies once. A typed character that finds
// an item takes it at once; one that finds none leaves the list open.
TEST_F(DropDownList, OpenTheKeysBrowseAndACharacterTakesTheItemItFinds)
{
    using enum Qt::Key;
    PressKey(Key_F4);
    ASSERT_NE(OpenList(), nullptr);
    EXPECT_EQ(Press({Key_PageDown, Key_PageDown, Key_PageUp, Key_End, Key_PageDown, Key_Home, Key_Up, Key_Right,
                     Key_Right, Key_Left, Key_X}),
              (std::vector{9, 18, 9, 20, 20, 0, 0, 1, 2, 1, 1}));
    EXPECT_EQ(widget->currentIndex(), 0);
    PressKey(Key_Escape);
    EXPECT_EQ(OpenList(), nullptr);
    EXPECT_EQ(widget->currentIndex(), 0);

    PressKey(Key_F4);
    Press({Key_PageDown, Key_Down, Key_Return});
    EXPECT_EQ(OpenList(), nullptr);
    PressKey(Key_F4);
    Press({Key_C});
    EXPECT_EQ(OpenList(), nullptr);
    EXPECT_EQ(widget->currentIndex(), 3);
    EXPECT_EQ(dialog.selections, (std::vector{10, 3}));
}

using FieldList = ShownNoiseDialog;

// With a text field (5 items, 5 rows), Page Up and Page Down pick items; characters, Home,
// End, Left and Right stay in the field, closed and open, and select nothing. The list
// opens on the item it shows, whatever was typed, and the field shows its label again.
TEST_F(FieldList, ThePageKeysPickItemsAndTheFieldKeepsCharactersAndTheCaretKeys)
{
    auto* widget = ControlWidget<QComboBox>(dialog, ids.regionList);
    QLineEdit* field = widget->lineEdit();
    FocusControl(dialog, ids.regionList);
    PressKey(Qt::Key_PageDown);
    PressKey(Qt::Key_PageUp);
    PressKey(Qt::Key_Down);
    EXPECT_EQ(dialog.selections, (std::vector{4, 0, 1}));
    const QString label = widget->itemText(1);
    PressKey(Qt::Key_End);
    TypeText("7D");
    for (const Qt::Key key : {Qt::Key_Home, Qt::Key_Right, Qt::Key_Right, Qt::Key_Left})
        PressKey(key);
    EXPECT_EQ(field->text(), label + "7D");
    EXPECT_EQ(field->cursorPosition(), 1);

    PressKey(Qt::Key_F4);
    ASSERT_NE(OpenList(), nullptr);
    EXPECT_EQ(OpenList()->currentIndex().row(), 1);
    EXPECT_EQ(field->text(), label);
    for (const Qt::Key key : {Qt::Key_End, Qt::Key_7, Qt::Key_Home, Qt::Key_Left, Qt::Key_Right})
        PressKey(key);
    EXPECT_EQ(field->text(), label + "7");
    EXPECT_EQ(field->cursorPosition(), 1);
    PressKey(Qt::Key_PageDown);
    EXPECT_EQ(OpenList()->currentIndex().row(), 4);
    PressKey(Qt::Key_Escape);
    EXPECT_EQ(widget->currentIndex(), 1);
    EXPECT_EQ(dialog.selections, (std::vector{4, 0, 1}));
}

}  // namespace
