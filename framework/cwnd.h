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

    // Sets the window's icon, at the big and at the small size alike: the programs set the
    // same icon as both.
    void SetIcon(HICON icon, BOOL bBigIcon);
    BOOL IsIconic() const;
    void GetClientRect(LPRECT rect) const;

    // Runs the message map's entry for `message`; without one, the window's default:
    // WM_ICONERASEBKGND fills the paint context (wParam) with the window's background.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

protected:
    virtual void DoDataExchange(CDataExchange* pDX);

    // The default painting; the toolkit has already drawn the window's background.
    void OnPaint() {}
    // The default drag icon: none, so the system uses its own.
    HCURSOR OnQueryDragIcon() { return nullptr; }

    void AttachWindow(HWND window);

private:
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    std::unique_ptr<detail::WindowLink> link_;
};
