// The output box of the real dialog as the programs set its text: changes at the end, as the
// composers make them, and any other replacement.
#include "framework/controls.h"
#include "framework/cwinapp.h"
#include "tests/desktop/desktop_facts.h"
#include "tests/support/widget_driver.h"

#include <QAccessible>
#include <QPlainTextEdit>
#include <QScrollBar>

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
        accessibleText = QAccessible::queryAccessibleInterface(box)->textInterface();
        ASSERT_NE(accessibleText, nullptr);
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
    QAccessibleTextInterface* accessibleText = nullptr;
};

// The rows a box shows its text in, as the document beneath them holds them.
std::string Rows(const QPlainTextEdit& box)
{
    return box.document()->toPlainText().toStdString();
}

TEST_F(OutputText, EveryReplacementLeavesExactlyTheNewTextWrappedAsIfGivenWhole)
{
    // A second dialog's box is given each text at once, to compare the rows with.
    ComposerState freshState;
    const std::unique_ptr<CDialog> fresh = facts.open(freshState);
    ASSERT_TRUE(ShowActive(*fresh));
    CEdit freshOutput;
    const int id = OutputId(*fresh);
    ASSERT_TRUE(freshOutput.SubclassDlgItem(id, fresh.get()));
    const auto* freshBox = qobject_cast<QPlainTextEdit*>(fresh->GetDlgItem(id));

    std::string longText;
    for (int i = 0; i < 500; ++i)
        longText += "C4D0E0F0";
    const std::vector<std::string> texts = {
        "0410", "04105A", "04", "", "", "8490A0B0", "8490", "4490", "90A0", longText, longText + "5A",
        longText.substr(0, longText.size() - 4), longText, "00", "ABC", "ABCD"};
    for (const std::string& next : texts) {
        SCOPED_TRACE(next.substr(0, 16) + " (" + std::to_string(next.size()) + " characters)");
        Set(next);
        EXPECT_EQ(Get(), next);
        EXPECT_EQ(AccessibleValue(box).toStdString(), next);
        freshOutput.SetWindowText("");
        freshOutput.SetWindowText(next.c_str());
        EXPECT_EQ(Rows(*box), Rows(*freshBox));
    }
    EXPECT_EQ(box->horizontalScrollBar()->maximum(), 0);
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
    std::string longText;
    for (int i = 0; i < 40; ++i)
        longText += "5A";
    for (const std::string& before : {std::string(), longText}) {
        const int from = static_cast<int>(before.size()) + 2;
        Set(before + "04105A5C");
        accessibleText->setSelection(0, from, from + 4);
        Set(before + "04105A5C00");
        int start = -1;
        int end = -1;
        accessibleText->selection(0, &start, &end);
        EXPECT_EQ(accessibleText->text(start, end), "105A");
        Set(before + "04105A");
        accessibleText->selection(0, &start, &end);
        EXPECT_EQ(accessibleText->text(start, end), "105A");
    }
}

}  // namespace
