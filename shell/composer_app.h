#pragma once

#include "framework/framework.h"

// The application of a composer program: `Dialog` is the program's CComposerDlg. One
// global object of this class runs the dialog once, modally, and lets the program end.
template <class Dialog>
class CComposerApp : public CWinApp {
public:
    CComposerApp() : CWinApp(nullptr) {}

    BOOL InitInstance() override
    {
        Enable3dControls();
        Dialog dlg;
        m_pMainWnd = &dlg;
        [[maybe_unused]] const int response = dlg.DoModal();
        m_pMainWnd = nullptr;  // the dialog object ends here
        return FALSE;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_TEMPLATE_MESSAGE_MAP(CComposerApp, Dialog, CWinApp)
    ON_COMMAND(ID_HELP, CWinApp::OnHelp)
END_MESSAGE_MAP()
