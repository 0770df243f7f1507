// The read-only, wrapping output box, through what the user and assistive technology see:
// the characters' places on the screen, the keyboard and mouse, the clipboard.
#include "tests/framework/shown_test_dialog.h"

#include <QAccessible>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

#include <set>
#include <string>

using namespace test_dialog;

namespace {

class OutputBox : public ShownTestDialog {
protected:
    void SetUp() override
    {
        ShownTestDialog::SetUp();
        box = ControlWidget<QPlainTextEdit>(dialog, IDC_OUTPUT);
        ASSERT_NE(box, nullptr);
        accessible = QAccessible::queryAccessibleInterface(box);
        ASSERT_NE(accessible, nullptr);
        text = accessible->textInterface();
        ASSERT_NE(text, nullptr);
        for (int i = 0; i < 120; ++i)
            longText += "C4D0E0F0";
    }

    void Set(const std::string& value)
    {
        dialog.output.SetWindowText(value.c_str());
        QApplication::processEvents();
    }

    // Makes the box tall enough to show every row of the long text at once: the toolkit
    // places only characters near the shown rows.
    void ShowAllRows() { box->resize(box->width(), 1000); }

    // Where character `offset` shows, in the box's viewport.
    QRect CharacterRect(int offset) const
    {
        const QRect global = text->characterRect(offset);
        return {box->viewport()->mapFromGlobal(global.topLeft()), global.size()};
    }

    // The tops of the rows the text shows on, checking on the way that every character is
    // inside the box's width and follows the one before it on its row or starts the next.
    std::set<int> Rows() const
    {
        std::set<int> rows;
        QRect before;
        for (int i = 0; i < text->characterCount(); ++i) {
            const QRect at = CharacterRect(i);
            EXPECT_GE(at.left(), 0) << "character " << i;
            EXPECT_LE(at.right(), box->viewport()->width()) << "character " << i;
            if (i > 0 && at.top() == before.top()) {
                EXPECT_GE(at.left(), before.right()) << "character " << i;
            } else if (i > 0) {
                EXPECT_GT(at.top(), before.top()) << "character " << i;
            }
            rows.insert(at.top());
            before = at;
        }
        return rows;
    }

    QPlainTextEdit* box = nullptr;
    QAccessibleInterface* accessible = nullptr;
    QAccessibleTextInterface* text = nullptr;
    std::string longText;
};

TEST_F(OutputBox, TextWithoutSpacesWrapsAnywhereAndFillsEveryRow)
{
    ShowAllRows();
    Set(longText);
    const std::set<int> rows = Rows();
    EXPECT_GT(rows.size(), 5U);
    EXPECT_EQ(box->horizontalScrollBar()->maximum(), 0);

    // A row ends only where the next character would not fit.
    const int width = box->viewport()->width();
    for (int i = 1; i < text->characterCount(); ++i) {
        const QRect before = CharacterRect(i - 1);
        const QRect at = CharacterRect(i);
        if (at.top() != before.top()) {
            EXPECT_GT(before.right() + 2 * at.width(), width - 8) << "row ends early at character " << i;
        }
    }
}

TEST_F(OutputBox, SettingTheTextShowsItsEnd)
{
    Set(longText);
    QScrollBar* bar = box->verticalScrollBar();
    EXPECT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), bar->maximum());

    Set(longText + "00");
    EXPECT_EQ(bar->value(), bar->maximum());
    EXPECT_EQ(dialog.output.GetWindowTextLength(), static_cast<int>(longText.size()) + 2);
    EXPECT_TRUE(box->viewport()->rect().contains(CharacterRect(text->characterCount() - 1)));
}

TEST_F(OutputBox, TheUserCannotTypeButCanSelectAllAndCopyWithTheKeyboard)
{
    Set("0410");
    QApplication::clipboard()->clear();
    FocusControl(dialog, IDC_OUTPUT);
    QTest::keyClicks(box, "99");
    PressKey(Qt::Key_Backspace);
    PressKey(Qt::Key_A, Qt::ControlModifier);
    PressKey(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(AccessibleValue(box), "0410");
    EXPECT_EQ(QApplication::clipboard()->text(), "0410");
}

TEST_F(OutputBox, TheUserCanSelectWithTheMouseAndCopy)
{
    Set("8490A0B0");
    QApplication::clipboard()->clear();
    QTest::mouseDClick(box->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(8, 8));
    PressKey(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "8490A0B0");
}

TEST_F(OutputBox, WhatIsCopiedAcrossRowsIsTheTextWithoutBreaks)
{
    ShowAllRows();
    Set(longText);
    QApplication::clipboard()->clear();
    FocusControl(dialog, IDC_OUTPUT);
    PressKey(Qt::Key_Home, Qt::ControlModifier);
    for (int row = 0; row < 3; ++row)
        PressKey(Qt::Key_Down, Qt::ShiftModifier);
    PressKey(Qt::Key_End, Qt::ShiftModifier);
    PressKey(Qt::Key_C, Qt::ControlModifier);

    const std::string copied = QApplication::clipboard()->text().toStdString();
    ASSERT_FALSE(copied.empty());
    EXPECT_EQ(copied, longText.substr(0, copied.size()));
    const int last = static_cast<int>(copied.size()) - 1;
    EXPECT_EQ(CharacterRect(last).top() - CharacterRect(0).top(), 3 * CharacterRect(last).height())
        << "four whole rows";
    EXPECT_NE(CharacterRect(last + 1).top(), CharacterRect(last).top()) << "to the end of the fourth row";

    // The whole text, selected through the accessibility interface.
    text->setSelection(0, 0, text->characterCount());
    PressKey(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), longText);
}

TEST_F(OutputBox, LineBreaksInTheTextEndRowsAndStayInTheText)
{
    const std::string withBreaks = "0410\r\n8490\nA0";
    Set(withBreaks);
    EXPECT_EQ(AccessibleValue(box).toStdString(), withBreaks);
    EXPECT_EQ(CharacterRect(6).left(), CharacterRect(0).left()) << "\"8490\" starts a row";
    EXPECT_GT(CharacterRect(6).top(), CharacterRect(0).top());
    EXPECT_EQ(CharacterRect(11).left(), CharacterRect(0).left()) << "\"A0\" starts a row";
    EXPECT_GT(CharacterRect(11).top(), CharacterRect(6).top());

    FocusControl(dialog, IDC_OUTPUT);
    PressKey(Qt::Key_A, Qt::ControlModifier);
    PressKey(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), withBreaks);
}

TEST_F(OutputBox, ANarrowerBoxWrapsAgainKeepingTheTextAndTheSelection)
{
    ShowAllRows();
    Set(longText);
    const std::size_t rowsBefore = Rows().size();
    text->setSelection(0, 10, 20);
    box->resize(box->width() / 2, 2000);
    QApplication::processEvents();

    EXPECT_GT(Rows().size(), rowsBefore);
    EXPECT_EQ(AccessibleValue(box).toStdString(), longText);
    int start = -1;
    int end = -1;
    text->selection(0, &start, &end);
    EXPECT_EQ(start, 10);
    EXPECT_EQ(end, 20);
}

TEST_F(OutputBox, AssistiveTechnologyFindsEachCharacterWhereItShows)
{
    Set(longText);
    EXPECT_EQ(text->characterCount(), static_cast<int>(longText.size()));
    EXPECT_EQ(text->text(8, 16).toStdString(), longText.substr(8, 8));
    EXPECT_TRUE(accessible->state().readOnly);
    EXPECT_TRUE(accessible->state().multiLine);
    // The shown end of the text spans several rows; every character there is found again
    // at the middle of its place.
    std::set<int> rows;
    for (int i = text->characterCount() - 1; i >= 0 && box->viewport()->rect().contains(CharacterRect(i)); --i) {
        EXPECT_EQ(text->offsetAtPoint(text->characterRect(i).center()), i) << "character " << i;
        rows.insert(CharacterRect(i).top());
    }
    EXPECT_GE(rows.size(), 2U);
}

}  // namespace
