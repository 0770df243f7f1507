// The application on the system itself: its start and the icons it loads.
#include "framework/cwinapp.h"

#include "framework/win32/windows_api.h"

// From the executable's own resources, at the system's standard icon size.
HICON CWinApp::LoadIcon(int id) const
{
    return LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id));
}

int AfxWinMain(int argc, char* argv[])
{
    CWinApp* app = AfxGetApp();
    // The common controls: visual styles and tooltips.
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    static char unnamed[] = "program";
    app->NameAfterExecutable(argc > 0 ? argv[0] : unnamed);
    app->InitInstance();
    return app->ExitInstance();
}
