// The output box of the real dialog as the programs set its text: changes at the end, as the
// composers make them, and any other replacement.
#include "framework/controls.h"
#include "framework/cwinapp.h"
#include "tests/desktop/desktop_facts.h"
#include "tests/support/widget_driver.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The id of the dialog's output box: its one multi-line box.
int OutputId(const CDialog& dialog)
{
    for (int id = 1000; id < 1200; ++id) {
        if (qobject_cast<QPlainTextEdit*>(dialog.GetDlgItem(id)) != nullptr)
            return id;
    }
    return -1;
}

class OutputText : public testing::Test {
protected:
    void SetUp() override
    {
        dialog = facts.open(state);
        ASSERT_TRUE(ShowActive(*dialog));
        const int id = OutputId(*dialog);
        ASSERT_TRUE(output.SubclassDlgItem(id, dialog.get()));
        box = qobject_cast<QPlainTextEdit*>(dialog->GetDlgItem(id));
    }

    void Set(const std::string& text) { output.SetWindowText(text.c_str()); }

    std::string Get() const
    {
        CString text;
        output.GetWindowText(text);
        return text.Str();
    }

    const DesktopFacts& facts = UnderTest();
    CWinApp app;  // the dialog loads its icon through the application
    ComposerState state;
    std::unique_ptr<CDialog> dialog;
    CEdit output;
    QPlainTextEdit* box = nullptr;
};

TEST_F(OutputText, EveryReplacementLeavesExactlyTheNewTextInOneParagraph)
{
    std::string longText;
    for (int i = 0; i < 500; ++i)
        longText += "C4D0E0F0";
    const std::vector<std::string> texts = {
        "0410", "04105A", "04", "", "", "8490A0B0", "8490", "4490", "90A0", longText, longText + "5A",
        longText.substr(0, longText.size() - 4), longText, "00", "ABC", "ABCD"};
    for (const std::string& text : texts) {
        Set(text);
        EXPECT_EQ(Get(), text);
        EXPECT_EQ(box->toPlainText().toStdString(), text);
        EXPECT_EQ(box->document()->blockCount(), 1);
    }
}

TEST_F(OutputText, TheEndShowsAfterEveryChangeAtTheEnd)
{
    std::string text;
    for (int i = 0; i < 300; ++i) {
        text += "5A";
        Set(text);
    }
    QScrollBar* bar = box->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), bar->maximum());
    text.resize(text.size() - 4);
    Set(text);
    EXPECT_EQ(bar->value(), bar->maximum());
}

TEST_F(OutputText, ASelectionOfTheTextBeforeAChangeAtTheEndSurvivesIt)
{
    Set("04105A5C");
    QTextCursor selection(box->document());
    selection.setPosition(2);
    selection.setPosition(6, QTextCursor::KeepAnchor);
    box->setTextCursor(selection);
    Set("04105A5C00");
    EXPECT_EQ(box->textCursor().selectedText(), "105A");
    Set("04105A");
    EXPECT_EQ(box->textCursor().selectedText(), "105A");
}

}  // namespace
