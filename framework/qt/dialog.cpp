// A dialog as a toolkit window: run modally, or for the tests shown modeless.
#include "framework/cdialog.h"

#include "framework/detail/backend.h"
#include "framework/qt/dialog_window.h"

namespace detail {

void DialogWindowDeleter::operator()(DialogWindow* window) const
{
    delete window;
}

DialogWindowPtr MakeDialogWindow(CDialog& owner, int templateId)
{
    return DialogWindow::Create(owner, templateId);
}

int RunModal(DialogWindow& window)
{
    return window.exec();
}

void EndModal(DialogWindow& window, int result)
{
    window.done(result);
}

}  // namespace detail

BOOL CDialog::Create()
{
    window_ = detail::MakeDialogWindow(*this, templateId_);
    if (!window_)
        return FALSE;
    window_->show();
    return TRUE;
}

DialogBaseUnits CDialog::GetDialogBaseUnits() const
{
    return window_->BaseUnits();
}
