#include "framework/cdialog.h"

#include "framework/cwinapp.h"
#include "framework/detail/backend.h"
#include "framework/resources.h"

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(int templateId, CWnd* /*parent*/) : templateId_(templateId) {}

CDialog::~CDialog() = default;

int CDialog::DoModal()
{
    window_ = detail::MakeDialogWindow(*this, templateId_);
    if (!window_)
        return -1;
    const int result = window_->RunModal();
    window_.reset();
    return result;
}

void CDialog::EndDialog(int result)
{
    window_->EndModal(result);
}

BOOL CDialog::OnInitDialog()
{
    FillListsFromInitData();
    UpdateData(FALSE);
    return TRUE;
}

// Each record adds its text to its list; every list of the programs is sorted.
void CDialog::FillListsFromInitData()
{
    for (const DialogInitRecord& record : AfxFindDialogInit(templateId_))
        detail::AddListItem(GetDlgItem(record.controlId), record.text);  // GCOVR_EXCL_BR_LINE: the sanitizer's checks
}

void CDialog::OnOK()
{
    UpdateData(TRUE);
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

BOOL CDialog::OnCmdMsg(int id, int code)
{
    if (CWnd::OnCmdMsg(id, code))
        return TRUE;
    CWinApp* app = AfxGetApp();
    return app != nullptr ? app->OnCmdMsg(id, code) : FALSE;
}
