// The read-only, wrapping output box, through what the user sees and does: its rows on the
// screen, the keyboard and mouse, the clipboard.
#include "tests/framework/noise_dialog.h"

#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <string>
#include <string_view>

namespace {

class OutputBox : public ShownNoiseDialog {
protected:
    void SetUp() override
    {
        ShownNoiseDialog::SetUp();
        box = ControlWidget<QPlainTextEdit>(dialog, ids.output);
        QApplication::clipboard()->clear();
    }

    void Set(const std::string& text) { dialog.output.SetWindowText(text.c_str()); }
    static std::string Copy()
    {
        PressKey(Qt::Key_C, Qt::ControlModifier);
        return QApplication::clipboard()->text().toStdString();
    }

    QPlainTextEdit* box = nullptr;
};

// The programs' output only grows there; here it shrinks too.
TEST_F(OutputBox, AsTheTextGrowsAndShrinksItsLastRowShowsAtTheBottomOfTheBox)
{
    const int rowHeight = QFontMetrics(box->font()).lineSpacing();
    const auto expectLastRowAtTheBottom = [&](int bytes) {
        std::string text;  // as the composers write it
        for (std::size_t i = 0; i < static_cast<std::size_t>(bytes); ++i)
            text += std::string_view("C4D0E0F0").substr(2 * (i % 4), 2);
        Set(text);
        QTextCursor end(box->document());
        end.movePosition(QTextCursor::End);
        const int gap = box->viewport()->height() - 1 - box->cursorRect(end).bottom();
        if (box->verticalScrollBar()->maximum() > 0) {
            ASSERT_TRUE(gap >= 0 && gap < rowHeight) << gap << " pixels below the text at " << bytes << " bytes";
        }
    };
    for (int bytes = 1; bytes <= 400; ++bytes)
        expectLastRowAtTheBottom(bytes);
    for (int bytes = 399; bytes >= 300; --bytes)
        expectLastRowAtTheBottom(bytes);
    EXPECT_GT(box->verticalScrollBar()->maximum(), 0);
}

TEST_F(OutputBox, ANewTextChangesOnlyWhatFollowsThePartItSharesWithTheOld)
{
    Set("0410");
    QSignalSpy changes(box->document(), &QTextDocument::contentsChange);  // position, removed, added
    Set("04105A");
    Set("04105A");
    Set("0410");
    Set("8490");
    Set("");
    EXPECT_EQ(changes, (QList<QList<QVariant>>{{4, 0, 2}, {4, 2, 0}, {0, 4, 4}, {0, 4, 0}}));
}

TEST_F(OutputBox, TheUserCannotTypeButSelectsWithKeyboardOrMouseAndCopiesAndTabLeaves)
{
    Set("0410");
    FocusControl(dialog, ids.output);
    QTest::keyClicks(box, "99");
    PressKey(Qt::Key_Backspace);
    CString text;
    dialog.output.GetWindowText(text);
    EXPECT_EQ(text.Str(), "0410");
    PressKey(Qt::Key_Home);
    PressKey(Qt::Key_Right, Qt::ShiftModifier);
    PressKey(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(Copy(), "04");

    // Long enough to scroll: the click lands on its end, where the box shows it.
    const std::string longText(200, '5');
    Set(longText);
    QTextCursor end(box->document());
    end.movePosition(QTextCursor::End);
    QTest::mouseDClick(box->viewport(), Qt::LeftButton, Qt::NoModifier, box->cursorRect(end).center() - QPoint(4, 0));
    EXPECT_EQ(Copy(), longText);
    PressKey(Qt::Key_Tab);
    EXPECT_TRUE(HasFocus(dialog, ids.regionList));
}

}  // namespace

namespace {

// The top-level window of type Qt::ToolTip that is shown, or nullptr.
QWidget* ShownBalloon()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->windowType() == Qt::ToolTip)
            return window;
    }
    return nullptr;
}

// The menu the box opens on a right click: its items' texts, and the item whose access key
// is `key` chosen (a key that chooses nothing, Escape or a switched-off item's, closes it).
QStringList OpenMenuAndChoose(QPlainTextEdit& box, Qt::Key key)
{
    QStringList items;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr)
            return;
        for (const QAction* action : menu->actions())
            items << action->text() + (action->isEnabled() ? "" : " (off)");
        QTest::keyClick(menu, key);
        if (menu->isVisible())  // the key chose nothing
            menu->close();
    });
    QContextMenuEvent right(QContextMenuEvent::Mouse, QPoint(5, 5), box.viewport()->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(box.viewport(), &right);
    return items;
}

// Ctrl+V, Shift+Insert and the menu's paste each give the dialog its paste command, which
// reads the clipboard; the box itself keeps its text. Elsewhere Ctrl+V is not the dialog's:
// the list's text field takes the text itself.
TEST_F(OutputBox, APasteInTheBoxIsTheDialogsCommandAndTheBoxKeepsItsText)
{
    Set("0410");
    QApplication::clipboard()->setText("44 50");
    FocusControl(dialog, ids.output);
    PressKey(Qt::Key_V, Qt::ControlModifier);
    PressKey(Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(OpenMenuAndChoose(*box, Qt::Key_P), QStringList({"コピー(&C) (off)", "貼り付け(&P)", "すべて選択(&A)"}));
    EXPECT_EQ(dialog.pastes, (std::vector<std::string>{"44 50", "44 50", "44 50"}));
    CString text;
    dialog.output.GetWindowText(text);
    EXPECT_EQ(text.Str(), "0410");

    // A clipboard without text gives the command no text.
    QApplication::clipboard()->setImage(QImage(2, 2, QImage::Format_RGB32));
    FocusControl(dialog, ids.output);
    PressKey(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(dialog.pastes, (std::vector<std::string>{"44 50", "44 50", "44 50", ""}));

    QApplication::clipboard()->setText("44 50");
    FocusControl(dialog, ids.regionList);
    PressKey(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(dialog.pastes.size(), 4U);
    EXPECT_EQ(ControlWidget<QComboBox>(dialog, ids.regionList)->lineEdit()->text().right(5), "44 50");
}

// The menu's other items copy the selection and select the whole text; Escape chooses none.
TEST_F(OutputBox, TheMenuCopiesTheSelectionAndSelectsAll)
{
    Set("04105A");
    FocusControl(dialog, ids.output);
    OpenMenuAndChoose(*box, Qt::Key_C);  // off without a selection
    EXPECT_EQ(QApplication::clipboard()->text(), "");
    OpenMenuAndChoose(*box, Qt::Key_A);
    EXPECT_EQ(box->textCursor().selectedText(), "04105A");
    OpenMenuAndChoose(*box, Qt::Key_C);
    EXPECT_EQ(QApplication::clipboard()->text(), "04105A");
    OpenMenuAndChoose(*box, Qt::Key_Escape);
    EXPECT_TRUE(dialog.pastes.empty());
}

// A balloon at the box's lower edge, named after its message, until the next key or click.
TEST_F(OutputBox, ABalloonShowsItsMessageBelowTheBoxUntilTheNextKeyOrClick)
{
    dialog.output.ShowBalloonTip("", "貼り付けできません：998 項目を超えます");
    const QWidget* balloon = ShownBalloon();
    ASSERT_NE(balloon, nullptr);
    EXPECT_EQ(balloon->windowTitle(), "貼り付けできません：998 項目を超えます");
    EXPECT_EQ(balloon->pos(), box->mapToGlobal(QPoint(0, box->height())));
    PressKey(Qt::Key_Shift);
    EXPECT_EQ(ShownBalloon(), nullptr);

    dialog.output.ShowBalloonTip("title", "text");
    ASSERT_NE(ShownBalloon(), nullptr);
    EXPECT_EQ(ShownBalloon()->windowTitle(), "title\ntext");
    dialog.output.ShowBalloonTip(nullptr, nullptr);
    ASSERT_NE(ShownBalloon(), nullptr);
    EXPECT_EQ(ShownBalloon()->windowTitle(), "");
    dialog.output.ShowBalloonTip("", "the second");
    ASSERT_NE(ShownBalloon(), nullptr);
    EXPECT_EQ(ShownBalloon()->windowTitle(), "the second");
    ClickControl(dialog, ids.rest);
    EXPECT_EQ(ShownBalloon(), nullptr);
    EXPECT_EQ(dialog.clicks, std::vector<int>{ids.rest});  // the click itself still counts
}

}  // namespace
