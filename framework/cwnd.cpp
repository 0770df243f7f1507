#include "framework/cwnd.h"

#include "framework/data_exchange.h"
#include "framework/detail/dialog_window.h"
#include "framework/detail/qt_text.h"
#include "framework/detail/window_link.h"
#include "framework/detail/window_text.h"

#include <QPainter>

CWnd::CWnd() : link_(std::make_unique<detail::WindowLink>()) {}

CWnd::~CWnd() = default;

HWND CWnd::GetSafeHwnd() const
{
    return link_->widget.data();
}

HWND CWnd::GetDlgItem(int id) const
{
    const detail::DialogWindow* dialog = detail::DialogWindow::Of(GetSafeHwnd());
    const detail::DialogControl* control = dialog != nullptr ? dialog->FindControl(id) : nullptr;
    return control != nullptr ? control->widget : nullptr;
}

BOOL CWnd::SubclassDlgItem(int id, CWnd* parent)
{
    HWND control = parent->GetDlgItem(id);
    if (control == nullptr)
        return FALSE;
    AttachWindow(control);
    return TRUE;
}

void CWnd::AttachWindow(HWND window)
{
    link_->widget = window;
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange exchange(this, bSaveAndValidate);
    DoDataExchange(&exchange);
    return TRUE;
}

void CWnd::DoDataExchange(CDataExchange*) {}

void CWnd::GetWindowText(CString& text) const
{
    text = CString(detail::ToBytes(detail::WindowText(GetSafeHwnd())));
}

void CWnd::SetWindowText(const char* text)
{
    detail::SetWindowText(GetSafeHwnd(), detail::ToQString(text));
}

void CWnd::SetIcon(HICON icon, BOOL /*bBigIcon*/)
{
    detail::DialogWindow::Of(GetSafeHwnd())->SetIcon(icon);
}

BOOL CWnd::IsIconic() const
{
    return GetSafeHwnd()->isMinimized() ? TRUE : FALSE;
}

void CWnd::GetClientRect(LPRECT rect) const
{
    *rect = RECT{0, 0, GetSafeHwnd()->width(), GetSafeHwnd()->height()};
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(message, 0, 0);
    if (entry == nullptr)
        return DefWindowProc(message, wParam, lParam);
    if (const auto* cursorHandler = std::get_if<AFX_PMSG_CURSOR>(&entry->handler))
        return reinterpret_cast<LRESULT>((this->*(*cursorHandler))());
    if (const auto* handler = std::get_if<AFX_PMSG>(&entry->handler))
        (this->*(*handler))();
    return 0;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM /*lParam*/)
{
    HWND window = GetSafeHwnd();
    if (message == WM_ICONERASEBKGND) {
        reinterpret_cast<QPainter*>(wParam)->fillRect(window->rect(), window->palette().window());
        return 1;
    }
    return 0;
}
