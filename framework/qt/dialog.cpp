// A dialog as a toolkit window: made from its template, run modally or shown modeless.
#include "framework/cdialog.h"

#include "framework/qt/dialog_window.h"

CDialog::CDialog(int templateId, CWnd* /*parent*/) : templateId_(templateId) {}

CDialog::~CDialog() = default;

int CDialog::DoModal()
{
    window_ = detail::DialogWindow::Create(*this, templateId_);
    if (!window_)
        return -1;
    const int result = window_->exec();
    window_.reset();
    return result;
}

BOOL CDialog::Create()
{
    window_ = detail::DialogWindow::Create(*this, templateId_);
    if (!window_)
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
