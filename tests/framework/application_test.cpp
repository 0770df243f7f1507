#include "rustle/composer_dlg.h"
#include "shell/composer_app.h"
#include "tests/support/widget_driver.h"

#include <gtest/gtest.h>

namespace {

TEST(Application, AfxWinMainRunsTheDialogOnceModallyAsTheMainWindowAndEndsWithZero)
{
    EXPECT_EQ(AfxGetApp(), nullptr);
    {
        CComposerApp<rustle::kComposer> app;  // sets the program's resources
        EXPECT_EQ(AfxGetApp(), &app);
        int runs = 0;
        bool mainWindowWasTheDialog = false;
        WhenModalDialogIsActive([&](const QWidget* window) {
            ++runs;
            mainWindowWasTheDialog = app.m_pMainWnd != nullptr && app.m_pMainWnd->GetSafeHwnd() == window &&
                                     window->windowTitle() == "Orvo (Noise)";
            PressKey(Qt::Key_Escape);
        });
        char program[] = "/opt/orvo/bin/rustle";
        char option[] = "--help";
        char* argv[] = {program, option, nullptr};
        EXPECT_EQ(AfxWinMain(2, argv), 0);
        EXPECT_EQ(runs, 1);
        EXPECT_TRUE(mainWindowWasTheDialog);
        EXPECT_EQ(app.m_pMainWnd, nullptr);
        EXPECT_STREQ(app.m_pszAppName, "rustle");  // a null name is taken from the executable
        EXPECT_TRUE(app.OnCmdMsg(ID_HELP, BN_CLICKED));
        EXPECT_EQ(app.LoadIcon(999), nullptr);  // none of the program's icons
    }
    EXPECT_EQ(AfxGetApp(), nullptr);
}

}  // namespace
