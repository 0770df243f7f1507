#include "framework/cwinapp.h"

#include "framework/detail/icon_object.h"
#include "framework/detail/qt_text.h"

#include <QApplication>

#include <filesystem>
#include <memory>

namespace {

CWinApp* theApp = nullptr;

}  // namespace

CWinApp::CWinApp(const char* appName) : m_pszAppName(appName)
{
    theApp = this;
}

CWinApp::~CWinApp()
{
    if (theApp == this)
        theApp = nullptr;
}

BOOL CWinApp::InitInstance()
{
    return FALSE;
}

int CWinApp::ExitInstance()
{
    return 0;
}

BOOL CWinApp::Enable3dControls()
{
    return TRUE;
}

HICON CWinApp::LoadIcon(int id) const
{
    return detail::LoadIconResource(id);
}

void CWinApp::OnHelp() {}

void CWinApp::NameAfterExecutable(const char* executablePath)
{
    if (m_pszAppName != nullptr)
        return;
    appName_ = std::filesystem::path(executablePath).stem().string();
    m_pszAppName = appName_.c_str();
}

CWinApp* AfxGetApp()
{
    return theApp;
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

    app->NameAfterExecutable(executablePath);
    // The desktop entry installed with a program bears its name: the desktop shell finds
    // the program's name and icon for its windows through it.
    QGuiApplication::setDesktopFileName(detail::ToQString(app->m_pszAppName));
    app->InitInstance();
    return app->ExitInstance();
}
