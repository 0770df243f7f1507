#include "framework/cwnd.h"

#include "framework/cdialog.h"
#include "framework/data_exchange.h"
#include "framework/detail/dialog_window.h"
#include "framework/detail/qt_text.h"
#include "framework/detail/window_link.h"
#include "framework/detail/window_procedure.h"
#include "framework/detail/window_text.h"

LRESULT SendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (detail::DialogWindow* dialog = detail::DialogWindow::Of(window))
        return dialog->Owner().WindowProc(message, wParam, lParam);
    return detail::DefaultWindowProc(window, message, wParam, lParam);
}

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
    HWND control = parent != nullptr ? parent->GetSafeHwnd() : nullptr;
    const detail::DialogWindow* dialog = detail::DialogWindow::Of(control);
    const detail::DialogControl* found = dialog != nullptr ? dialog->FindControl(id) : nullptr;
    if (found == nullptr || GetSafeHwnd() != nullptr)
        return FALSE;
    if (ControlClass() != nullptr && !detail::IsOfClass(*found->item, ControlClass()))
        return FALSE;
    AttachWindow(found->widget);
    return TRUE;
}

void CWnd::AttachWindow(HWND window)
{
    link_->widget = window;
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange exchange(this, bSaveAndValidate);
    try {
        DoDataExchange(&exchange);
    } catch (const CUserException&) {
        return FALSE;
    }
    return TRUE;
}

void CWnd::DoDataExchange(CDataExchange*) {}

void CWnd::GetWindowText(CString& text) const
{
    text = CString(detail::ToBytes(detail::WindowText(GetSafeHwnd())));
}

int CWnd::GetWindowTextLength() const
{
    CString text;
    GetWindowText(text);
    return text.GetLength();
}

void CWnd::SetWindowText(const char* text)
{
    if (HWND window = GetSafeHwnd())
        detail::SetWindowText(window, detail::ToQString(text != nullptr ? text : ""));
}

HICON CWnd::SetIcon(HICON icon, BOOL bBigIcon)
{
    const LRESULT previous = SendMessage(WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL,
                                         reinterpret_cast<LPARAM>(icon));
    return reinterpret_cast<HICON>(previous);
}

BOOL CWnd::IsIconic() const
{
    const HWND window = GetSafeHwnd();
    return window != nullptr && window->isMinimized() ? TRUE : FALSE;
}

void CWnd::GetClientRect(LPRECT rect) const
{
    const HWND window = GetSafeHwnd();
    *rect = window != nullptr ? RECT{0, 0, window->width(), window->height()} : RECT{};
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return WindowProc(message, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND)
        return OnCommand(LOWORD(wParam), HIWORD(wParam));
    if (const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(message, 0, 0)) {
        if (entry->sig == AfxSig::Cursor)
            return reinterpret_cast<LRESULT>((this->*entry->cursorHandler)());
        CallVoidHandler(*entry);
        return 0;
    }
    return DefWindowProc(message, wParam, lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return detail::DefaultWindowProc(GetSafeHwnd(), message, wParam, lParam);
}

BOOL CWnd::OnCommand(int id, int code)
{
    return OnCmdMsg(id, code);
}
