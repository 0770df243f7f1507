#include "framework/cwinapp.h"

#include "framework/detail/icon_object.h"
#include "framework/detail/qt_text.h"

#include <QApplication>
#include <QMessageBox>

#include <filesystem>
#include <memory>

namespace {

CWinApp* theApp = nullptr;

}  // namespace

CWinApp::CWinApp(const char* appName) : m_pszAppName(appName), previous_(theApp)
{
    if (appName != nullptr) {
        appName_ = appName;
        m_pszAppName = appName_.c_str();
    }
    theApp = this;
}

CWinApp::~CWinApp()
{
    if (theApp == this)
        theApp = previous_;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::Run()
{
    QApplication::exec();
    return ExitInstance();
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
    if (app == nullptr)
        return -1;
    static char unnamed[] = "program";
    char* executablePath = argc > 0 && argv != nullptr && argv[0] != nullptr ? argv[0] : unnamed;

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
    if (!app->InitInstance())
        return app->ExitInstance();
    return app->Run();
}

int AfxMessageBox(const char* text)
{
    CWinApp* app = AfxGetApp();
    const QString title = detail::ToQString(app != nullptr && app->m_pszAppName != nullptr ? app->m_pszAppName : "");
    QMessageBox box(QMessageBox::Warning, title, detail::ToQString(text != nullptr ? text : ""), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
    return IDOK;
}
