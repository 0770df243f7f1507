// The application over the toolkit: its start and the icons it loads.
#include "framework/cwinapp.h"

#include "framework/qt/icon_object.h"
#include "framework/qt/text.h"

#include <QApplication>
#include <QFileInfo>

#include <memory>

HICON CWinApp::LoadIcon(int id) const
{
    return detail::LoadIconResource(id);
}

int AfxWinMain(int argc, char* argv[])
{
    CWinApp* app = AfxGetApp();
    static char unnamed[] = "program";
    char* executablePath = argc > 0 ? argv[0] : unnamed;

    // The toolkit sees the program's path only: the command line is not read.
    int toolkitArgc = 1;
    char* toolkitArgv[] = {executablePath, nullptr};
    std::unique_ptr<QApplication> toolkit;
    if (QCoreApplication::instance() == nullptr)
        toolkit = std::make_unique<QApplication>(toolkitArgc, toolkitArgv);

    app->NameAfterExecutable(detail::ToUtf8(QFileInfo(QString::fromLocal8Bit(executablePath)).completeBaseName()));
    // The desktop entry installed with a program bears its name: the desktop shell finds
    // the program's name and icon for its windows through it.
    // The sanitizer's checks.
    QGuiApplication::setDesktopFileName(detail::ToNative(app->m_pszAppName));  // GCOVR_EXCL_BR_LINE
    app->InitInstance();
    return app->ExitInstance();
}
