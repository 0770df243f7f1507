// A dialog as a window of the system's dialog manager.
#include "framework/cdialog.h"

#include "framework/win32/dialog_window.h"

CDialog::CDialog(int templateId, CWnd* /*parent*/) : templateId_(templateId) {}

CDialog::~CDialog() = default;

int CDialog::DoModal()
{
    window_ = detail::DialogWindow::FromTemplate(*this, templateId_);
    if (!window_)
        return -1;
    const int result = window_->RunModal();
    window_.reset();
    return result;
}

void CDialog::EndDialog(int result)
{
    window_->End(result);
}
