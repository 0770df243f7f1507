#include "framework/cwnd.h"

#include "framework/data_exchange.h"
#include "framework/detail/backend.h"

BOOL CWnd::SubclassDlgItem(int id, CWnd* parent)
{
    HWND control = parent->GetDlgItem(id);
    if (control == nullptr)
        return FALSE;
    AttachWindow(control);
    return TRUE;
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
    text = CString(detail::WindowText(GetSafeHwnd()));
}

void CWnd::SetWindowText(const char* text)
{
    detail::SetWindowText(GetSafeHwnd(), text);  // GCOVR_EXCL_BR_LINE: the sanitizer's checks
}

BOOL CWnd::OnWndMsg(UINT message, LRESULT* result)
{
    const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(message, 0, 0);
    if (entry == nullptr)
        return FALSE;
    *result = 0;
    if (const auto* cursorHandler = std::get_if<AFX_PMSG_CURSOR>(&entry->handler))
        // No handler here is virtual.
        *result = reinterpret_cast<LRESULT>((this->*(*cursorHandler))());  // GCOVR_EXCL_BR_LINE
    // The message-map macros give a window message one of these two handlers.
    else if (const auto* handler = std::get_if<AFX_PMSG>(&entry->handler))  // GCOVR_EXCL_BR_LINE
        (this->*(*handler))();  // GCOVR_EXCL_BR_LINE: no handler here is virtual
    return TRUE;
}
