#include "shell/composer_app.h"
#include "tests/framework/test_composer_dialog.h"
#include "tests/support/widget_driver.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(ComposerApp, RunsTheDialogOnceModallyAsMainWindowAndEndsWithZero)
{
    CComposerApp<TestComposerDlg> app;
    EXPECT_EQ(app.m_pszAppName, nullptr);
    QString title;
    bool mainWindowWasTheDialog = false;
    WhenModalDialogIsActive([&](QWidget* window) {
        title = window->windowTitle();
        mainWindowWasTheDialog = app.m_pMainWnd != nullptr && app.m_pMainWnd->GetSafeHwnd() == window;
        PressKey(Qt::Key_Escape);
    });
    char program[] = "testcomposer";
    char* argv[] = {program, nullptr};
    EXPECT_EQ(AfxWinMain(1, argv), 0);
    EXPECT_EQ(title, "Orvo (Test)");
    EXPECT_TRUE(mainWindowWasTheDialog);
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    EXPECT_STREQ(app.m_pszAppName, "testcomposer");
}

TEST(ComposerApp, TheHelpCommandGoesToTheFrameworksHelp)
{
    CComposerApp<TestComposerDlg> app;
    EXPECT_TRUE(app.OnCmdMsg(ID_HELP, BN_CLICKED));
    EXPECT_FALSE(app.OnCmdMsg(IDOK, BN_CLICKED));
}

}  // namespace
