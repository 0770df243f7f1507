#pragma once

#include "framework/cstring.h"
#include "framework/message_map.h"
#include "framework/win_types.h"

#include <memory>

class CDataExchange;
namespace detail {
struct WindowLink;
}

// Sends `message` to a window: a dialog's messages go through its object's message map,
// a control's are processed by the control itself.
LRESULT SendMessage(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

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

    // Binds this object to control `id` of `parent`. Fails when there is no such control,
    // when it is not of the class this object stands for, or when this object is bound.
    BOOL SubclassDlgItem(int id, CWnd* parent);

    // TRUE reads every control into its field, FALSE writes every field into its control;
    // FALSE when a control's content is not valid for its field.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    void GetWindowText(CString& text) const;
    int GetWindowTextLength() const;  // in bytes
    void SetWindowText(const char* text);

    // Sets the big or small icon of the window; returns the one set before.
    HICON SetIcon(HICON icon, BOOL bBigIcon);
    BOOL IsIconic() const;
    void GetClientRect(LPRECT rect) const;

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

    // The control class this object can stand for ("COMBOBOX", "EDIT"); nullptr for any.
    virtual const char* ControlClass() const { return nullptr; }

protected:
    virtual void DoDataExchange(CDataExchange* pDX);

    // Message-map dispatch first; what no entry takes goes to DefWindowProc.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnCommand(int id, int code);

    // The default painting; the toolkit has already drawn the window's background.
    void OnPaint() {}
    // The default drag icon: none, so the system uses its own.
    HCURSOR OnQueryDragIcon() { return nullptr; }

    void AttachWindow(HWND window);

private:
    friend LRESULT SendMessage(HWND, UINT, WPARAM, LPARAM);

    std::unique_ptr<detail::WindowLink> link_;
};
