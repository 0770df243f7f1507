#include "framework/cwinapp.h"

#include <utility>

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

void CWinApp::OnHelp() {}

void CWinApp::NameAfterExecutable(std::string executableName)
{
    if (m_pszAppName != nullptr)
        return;
    appName_ = std::move(executableName);
    m_pszAppName = appName_.c_str();
}

CWinApp* AfxGetApp()
{
    return theApp;
}
