// The application on the system itself: its start and the icons it loads.
#include "framework/cwinapp.h"

#include "framework/win32/text.h"

#include <cstdlib>
#include <string>

// From the executable's own resources, at the system's standard icon size.
HICON CWinApp::LoadIcon(int id) const
{
    return LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id));
}

// The command line is not read: the executable's name comes from the system.
int AfxWinMain(int /*argc*/, char* /*argv*/[])
{
    CWinApp* app = AfxGetApp();
    // The common controls: visual styles and tooltips.
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    std::wstring name(path.size() + 1, L'\0');
    _wsplitpath_s(path.c_str(), nullptr, 0, nullptr, 0, name.data(), name.size(), nullptr, 0);
    app->NameAfterExecutable(detail::ToUtf8(name.c_str()));
    app->InitInstance();
    return app->ExitInstance();
}
