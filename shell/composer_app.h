#pragma once

#include "framework/framework.h"
#include "shell/composer_dialog.h"

// The application of composer program `P`. One global object of this class sets the
// program's resources, runs its dialog once, modally, and lets the program end.
template <const ComposerProgram& P>
class CComposerApp : public CWinApp {
public:
    CComposerApp() : CWinApp(nullptr) { AfxSetResourceHandle(P.resources.Table()); }

    BOOL InitInstance() override
    {
        Enable3dControls();
        ComposerDialog<P> dlg;
        m_pMainWnd = &dlg;
        [[maybe_unused]] const int response = dlg.DoModal();
        m_pMainWnd = nullptr;  // the dialog object ends here
        return FALSE;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_TEMPLATE_MESSAGE_MAP(CComposerApp, const ComposerProgram&, P, CWinApp)
    ON_COMMAND(ID_HELP, CWinApp::OnHelp)
END_MESSAGE_MAP()
