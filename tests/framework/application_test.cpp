#include "rustle/composer_program.h"
#include "shell/composer_app.h"
#include "tests/support/widget_driver.h"

#include <gtest/gtest.h>

#include <memory>

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

// A name the application was made with stays; without one, and without even the
// executable's path, it is "program". The application is the newest one made that lives.
TEST(Application, ItKeepsTheNameItWasGivenAndIsTheNewestThatLives)
{
    {
        CWinApp named("Orvo Sketch");
        char program[] = "/opt/orvo/bin/rustle";
        char* argv[] = {program, nullptr};
        EXPECT_EQ(AfxWinMain(1, argv), 0);
        EXPECT_EQ(QGuiApplication::desktopFileName(), "Orvo Sketch");
    }
    auto older = std::make_unique<CWinApp>();
    CWinApp newer;
    char* noArguments[] = {nullptr};
    EXPECT_EQ(AfxWinMain(0, noArguments), 0);
    EXPECT_STREQ(newer.m_pszAppName, "program");
    older.reset();
    EXPECT_EQ(AfxGetApp(), &newer);
}

}  // namespace
