// The read-only, wrapping output box, through what the user sees and does: its rows on the
// screen, the keyboard and mouse, the clipboard.
#include "tests/framework/noise_dialog.h"

#include <QClipboard>
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
