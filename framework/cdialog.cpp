#include "framework/cdialog.h"

#include "framework/cwinapp.h"
#include "framework/detail/dialog_window.h"
#include "framework/resources.h"
#include "framework/window_styles.h"

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(int templateId, CWnd* parent) : templateId_(templateId), parent_(parent) {}

CDialog::~CDialog()
{
    DestroyWindow();
}

bool CDialog::CreateWindowFromTemplate()
{
    DestroyWindow();
    endCode_.reset();
    const DialogTemplate* dialogTemplate = AfxFindDialogTemplate(templateId_);
    if (dialogTemplate == nullptr)
        return false;
    HWND parentWindow = parent_ != nullptr ? parent_->GetSafeHwnd() : nullptr;
    window_ = detail::DialogWindow::Create(*this, *dialogTemplate, parentWindow);
    if (window_ == nullptr)
        return false;
    window_->NameControls(AfxFindControlNames(templateId_));
    AttachWindow(window_.get());
    return true;
}

void CDialog::RunInitialisation()
{
    if (OnInitDialog() && !endCode_)
        window_->FocusFirstTabStop();
}

int CDialog::DoModal()
{
    if (!CreateWindowFromTemplate())
        return -1;
    RunInitialisation();
    if (!endCode_) {
        const int result = window_->exec();
        if (!endCode_)
            endCode_ = result;
    }
    DestroyWindow();
    return *endCode_;
}

BOOL CDialog::Create()
{
    if (!CreateWindowFromTemplate())
        return FALSE;
    RunInitialisation();
    if (!endCode_ && (AfxFindDialogTemplate(templateId_)->style & WS_VISIBLE) != 0)
        window_->show();
    return TRUE;
}

BOOL CDialog::DestroyWindow()
{
    if (window_ == nullptr)
        return FALSE;
    window_.reset();
    return TRUE;
}

void CDialog::EndDialog(int result)
{
    endCode_ = result;
    if (window_ != nullptr)
        window_->done(result);
}

DialogBaseUnits CDialog::GetDialogBaseUnits() const
{
    return window_ != nullptr ? window_->BaseUnits() : DialogBaseUnits{};
}

BOOL CDialog::OnInitDialog()
{
    if (!ExecuteDialogInit()) {
        EndDialog(-1);
        return FALSE;
    }
    UpdateData(FALSE);
    return TRUE;
}

bool CDialog::ExecuteDialogInit()
{
    for (const DialogInitRecord& record : AfxFindDialogInit(templateId_)) {
        HWND control = GetDlgItem(record.controlId);
        if (control == nullptr || record.message != DLGINIT_CB_ADDSTRING)
            return false;
        if (::SendMessage(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(record.text)) < 0)
            return false;
    }
    return true;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

LRESULT CDialog::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CLOSE) {
        OnCommand(IDCANCEL, BN_CLICKED);
        return 0;
    }
    return CWnd::DefWindowProc(message, wParam, lParam);
}

// Commands that the dialog's map does not take go on to the application's.
BOOL CDialog::OnCommand(int id, int code)
{
    if (CWnd::OnCommand(id, code))
        return TRUE;
    CWinApp* app = AfxGetApp();
    return code == BN_CLICKED && app != nullptr ? app->OnCmdMsg(id, code) : FALSE;
}
