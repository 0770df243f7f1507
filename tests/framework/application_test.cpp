#include "rustle/composer_program.h"
#include "shell/composer_app.h"
#include "tests/support/widget_driver.h"

#include <gtest/gtest.h>

namespace {

TEST(Application, AfxWinMainRunsTheDialogOnceModallyAsTheMainWindowAndEndsWithZero)
{
    {
        CComposerApp<rustle::kComposer> app;  // sets the program's resources
        int runsAsMainWindow = 0;
        WhenModalDialogIsActive([&](const QWidget* window) {
            runsAsMainWindow += app.m_pMainWnd->GetSafeHwnd() == window && window->windowTitle() == "Orvo (Noise)";
            PressKey(Qt::Key_Escape);
        });
        char program[] = "/opt/orvo/bin/rustle";
        char* argv[] = {program, nullptr};
        EXPECT_EQ(AfxWinMain(1, argv), 0);
        EXPECT_EQ(runsAsMainWindow, 1);
        EXPECT_EQ(app.m_pMainWnd, nullptr);
        // A null name is taken from the executable; the desktop finds the program's entry by it.
        EXPECT_EQ(QGuiApplication::desktopFileName(), "rustle");
    }
    EXPECT_EQ(AfxGetApp(), nullptr);
}

}  // namespace
