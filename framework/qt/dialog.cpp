// A dialog as a toolkit window: made from its template, run modally or shown modeless.
#include "framework/cdialog.h"

#include "framework/qt/dialog_window.h"
#include "framework/resources.h"

CDialog::CDialog(int templateId, CWnd* /*parent*/) : templateId_(templateId) {}

CDialog::~CDialog() = default;

bool CDialog::CreateWindowFromTemplate()
{
    const DialogTemplate* dialogTemplate = AfxFindDialogTemplate(templateId_);
    if (dialogTemplate == nullptr)
        return false;
    window_ = detail::DialogWindow::Create(*this, *dialogTemplate, nullptr);
    window_->NameControls(AfxFindControlNames(templateId_));
    AttachWindow(window_.get());
    OnInitDialog();
    return true;
}

int CDialog::DoModal()
{
    if (!CreateWindowFromTemplate())
        return -1;
    const int result = window_->exec();
    window_.reset();
    return result;
}

BOOL CDialog::Create()
{
    if (!CreateWindowFromTemplate())
        return FALSE;
    window_->show();
    return TRUE;
}

void CDialog::EndDialog(int result)
{
    window_->done(result);
}

DialogBaseUnits CDialog::GetDialogBaseUnits() const
{
    return window_->BaseUnits();
}
