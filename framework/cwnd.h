#pragma once

#include "framework/cstring.h"
#include "framework/message_map.h"
#include "framework/win_types.h"

#include <memory>

class CDataExchange;
namespace detail {
struct WindowLink;
}

// An object that stands for a window: a dialog, or one of its controls once bound.
class CWnd : public CCmdTarget {
public:
    CWnd();
    ~CWnd() override;

    // The window this object stands for; nullptr before it is bound and after the window
    // is destroyed.
    HWND GetSafeHwnd() const;
    // Control `id` of this window, or nullptr.
    HWND GetDlgItem(int id) const;

    // Binds this object to control `id` of `parent`; FALSE when there is no such control.
    BOOL SubclassDlgItem(int id, CWnd* parent);

    // TRUE reads every control into its field, FALSE writes every field into its control.
    // The programs' controls only ever hold what they wrote: it always succeeds.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    // The text of an edit box, single-line or multi-line.
    void GetWindowText(CString& text) const;
    void SetWindowText(const char* text);

    // Sets the window's big (caption, task bar) or small icon.
    void SetIcon(HICON icon, BOOL bBigIcon);
    BOOL IsIconic() const;
    void GetClientRect(CRect* rect) const;

    // Sends `message` to the window: its message map's entry runs, or else the window's
    // default (WM_ICONERASEBKGND fills the paint context, wParam, with the background).
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    // Runs the message map's entry for window message `message`; FALSE when there is none.
    // The window receiving the message calls it.
    BOOL OnWndMsg(UINT message, LRESULT* result);

protected:
    virtual void DoDataExchange(CDataExchange* pDX);

    // The default painting, which the window does itself once the handler returns.
    void OnPaint() {}
    // The default drag icon: none, so the system uses its own.
    HCURSOR OnQueryDragIcon() { return nullptr; }

    void AttachWindow(HWND window);

private:
    std::unique_ptr<detail::WindowLink> link_;
};
