#include "tests/framework/shown_test_dialog.h"

#include <QClipboard>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

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
        for (int i = 0; i < 120; ++i)
            longText += "C4D0E0F0";
    }

    QPlainTextEdit* box = nullptr;
    std::string longText;
};

TEST_F(OutputBox, TextWithoutSpacesWrapsAnywhere)
{
    dialog.output.SetWindowText(longText.c_str());
    QApplication::processEvents();
    EXPECT_EQ(box->document()->blockCount(), 1);
    EXPECT_GT(box->document()->firstBlock().layout()->lineCount(), 5);
    EXPECT_EQ(box->horizontalScrollBar()->maximum(), 0);
}

TEST_F(OutputBox, SettingTheTextShowsItsEnd)
{
    dialog.output.SetWindowText(longText.c_str());
    QApplication::processEvents();
    QScrollBar* bar = box->verticalScrollBar();
    EXPECT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), bar->maximum());

    dialog.output.SetWindowText((longText + "00").c_str());
    QApplication::processEvents();
    EXPECT_EQ(bar->value(), bar->maximum());
    EXPECT_EQ(dialog.output.GetWindowTextLength(), static_cast<int>(longText.size()) + 2);
}

TEST_F(OutputBox, TheUserCannotTypeButCanSelectAllAndCopyWithTheKeyboard)
{
    dialog.output.SetWindowText("0410");
    QApplication::clipboard()->clear();
    FocusControl(dialog, IDC_OUTPUT);
    QTest::keyClicks(box, "99");
    PressKey(Qt::Key_Backspace);
    PressKey(Qt::Key_A, Qt::ControlModifier);
    PressKey(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(box->toPlainText(), "0410");
    EXPECT_EQ(QApplication::clipboard()->text(), "0410");
}

TEST_F(OutputBox, TheUserCanSelectWithTheMouseAndCopy)
{
    dialog.output.SetWindowText("8490A0B0");
    QApplication::clipboard()->clear();
    QWidget* viewport = box->viewport();
    QTest::mouseDClick(viewport, Qt::LeftButton, Qt::NoModifier, QPoint(8, 8));
    PressKey(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "8490A0B0");
}

}  // namespace
