// The read-only, wrapping output box, through what the user sees and does: its rows on the
// screen, the keyboard and mouse, the clipboard.
#include "tests/framework/shown_test_dialog.h"

#include <QClipboard>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <string>

using namespace test_dialog;

namespace {

class OutputBox : public ShownTestDialog {
protected:
    void SetUp() override
    {
        ShownTestDialog::SetUp();
        box = ControlWidget<QPlainTextEdit>(dialog, IDC_OUTPUT);
        QApplication::clipboard()->clear();
    }

    void Set(const std::string& text) { dialog.output.SetWindowText(text.c_str()); }
    std::string Get() const
    {
        CString text;
        dialog.output.GetWindowText(text);
        return text.Str();
    }
    // Where the end of the text shows in the box.
    QRect EndOfText() const
    {
        QTextCursor end(box->document());
        end.movePosition(QTextCursor::End);
        return box->cursorRect(end);
    }

    QPlainTextEdit* box = nullptr;
};

// `count` bytes of output as the composers write them.
std::string Bytes(int count)
{
    constexpr const char* kCodes[] = {"C4", "D0", "E0", "F0"};
    std::string text;
    for (int i = 0; i < count; ++i)
        text += kCodes[i % 4];
    return text;
}

TEST_F(OutputBox, AsTheTextGrowsAndShrinksItWrapsAndItsLastRowShowsAtTheBottomOfTheBox)
{
    const int rowHeight = QFontMetrics(box->font()).lineSpacing();
    const auto expectLastRowAtTheBottom = [&](int bytes) {
        Set(Bytes(bytes));
        const int gap = box->viewport()->height() - 1 - EndOfText().bottom();
        if (box->verticalScrollBar()->maximum() > 0) {
            ASSERT_TRUE(gap >= 0 && gap < rowHeight) << gap << " pixels below the text at " << bytes << " bytes";
        }
    };
    for (int bytes = 1; bytes <= 400; ++bytes)
        expectLastRowAtTheBottom(bytes);
    for (int bytes = 399; bytes >= 300; --bytes)
        expectLastRowAtTheBottom(bytes);
    EXPECT_GT(box->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(box->horizontalScrollBar()->maximum(), 0);
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
    Set("0410海");
    EXPECT_EQ(Get(), "0410海");
    EXPECT_EQ(dialog.output.GetWindowTextLength(), 7);  // bytes
}

TEST_F(OutputBox, TheUserCannotTypeButSelectsWithKeyboardOrMouseAndCopiesAndTabLeaves)
{
    Set("0410");
    FocusControl(dialog, IDC_OUTPUT);
    QTest::keyClicks(box, "99");
    PressKey(Qt::Key_Backspace);
    PressKey(Qt::Key_A, Qt::ControlModifier);
    PressKey(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(Get(), "0410");
    EXPECT_EQ(QApplication::clipboard()->text(), "0410");
    PressKey(Qt::Key_Home);
    PressKey(Qt::Key_Right, Qt::ShiftModifier);
    PressKey(Qt::Key_Right, Qt::ShiftModifier);
    PressKey(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "04");

    Set(Bytes(100));
    QTest::mouseDClick(box->viewport(), Qt::LeftButton, Qt::NoModifier, EndOfText().center() - QPoint(4, 0));
    PressKey(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), Bytes(100));
    PressKey(Qt::Key_Tab);
    EXPECT_TRUE(HasFocus(dialog, IDC_LIST));
}

}  // namespace
