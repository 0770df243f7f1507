// The output box of the real dialog as the user's clicks make its text grow.
#include "framework/cwinapp.h"
#include "tests/desktop/desktop_facts.h"
#include "tests/support/widget_driver.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(OutputText, AfterEveryClickTheLastRowsOfTheTextShowAtTheBottomOfTheBox)
{
    CWinApp app;  // the dialog loads its icon through the application
    ComposerState state;
    const std::unique_ptr<CDialog> dialog = UnderTest().open(state);
    ASSERT_TRUE(ShowActive(*dialog));
    const auto* box = dialog->GetSafeHwnd()->findChild<QPlainTextEdit*>();
    QPushButton* rest = nullptr;
    for (QPushButton* button : dialog->GetSafeHwnd()->findChildren<QPushButton*>()) {
        if (button->text() == "休")
            rest = button;
    }
    ASSERT_TRUE(box != nullptr && rest != nullptr);

    const int rowHeight = QFontMetrics(box->font()).lineSpacing();
    for (int click = 1; click <= 150; ++click) {
        QTest::mouseClick(rest, Qt::LeftButton);
        QTextCursor end(box->document());
        end.movePosition(QTextCursor::End);
        const int gap = box->viewport()->height() - 1 - box->cursorRect(end).bottom();
        if (box->verticalScrollBar()->maximum() > 0) {
            ASSERT_GE(gap, 0) << "after click " << click;
            ASSERT_LT(gap, rowHeight) << "after click " << click;
        }
    }
    EXPECT_GT(box->verticalScrollBar()->maximum(), 0);
    EXPECT_GE(box->toPlainText().size(), 300);
}

}  // namespace
