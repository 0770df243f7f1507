// Windows as the system's own: a CWnd's window handle and what it does with it.
#include "framework/controls.h"

#include "framework/win32/balloon_tip.h"
#include "framework/win32/text.h"
#include "framework/win32/windows_api.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace detail {

struct WindowLink {
    HWND window = nullptr;

    // Control `id` of the window, looked up by the system once: each look-up walks all of
    // the window's children, and a dialog's controls live as long as the dialog.
    HWND Control(int id)
    {
        const auto found = std::ranges::find(controls_, id, &std::pair<int, HWND>::first);
        if (found != controls_.end())
            return found->second;
        HWND control = GetDlgItem(window, id);
        if (control != nullptr)  // GCOVR_EXCL_BR_LINE: the programs ask for their own controls
            controls_.emplace_back(id, control);
        return control;
    }
    void Attach(HWND attached)
    {
        window = attached;
        controls_.clear();
    }

private:
    std::vector<std::pair<int, HWND>> controls_;
};

}  // namespace detail

CWnd::CWnd() : link_(std::make_unique<detail::WindowLink>()) {}

CWnd::~CWnd() = default;

HWND CWnd::GetSafeHwnd() const
{
    return IsWindow(link_->window) ? link_->window : nullptr;
}

void CWnd::AttachWindow(HWND window)
{
    link_->Attach(window);
}

HWND CWnd::GetDlgItem(int id) const
{
    return GetSafeHwnd() != nullptr ? link_->Control(id) : nullptr;
}

void CWnd::SetIcon(HICON icon, BOOL bBigIcon)
{
    SendMessage(WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

BOOL CWnd::IsIconic() const
{
    return ::IsIconic(GetSafeHwnd());
}

void CWnd::GetClientRect(CRect* rect) const
{
    RECT client{};
    ::GetClientRect(GetSafeHwnd(), &client);  // GCOVR_EXCL_BR_LINE: asked by the minimised painting only (paint.cpp)
    *rect = CRect{client.left, client.top, client.right, client.bottom};
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return SendMessageW(GetSafeHwnd(), message, wParam, lParam);
}

BOOL CEdit::ShowBalloonTip(const char* title, const char* text)
{
    // The programs pass both texts.
    detail::ShowBalloonTip(GetSafeHwnd(), detail::ToNative(title != nullptr ? title : ""),  // GCOVR_EXCL_BR_LINE
                           detail::ToNative(text != nullptr ? text : ""));  // GCOVR_EXCL_BR_LINE: as above
    return TRUE;
}

BOOL CEdit::HideBalloonTip()
{
    detail::HideBalloonTip();
    return TRUE;
}

int CComboBox::GetCurSel() const
{
    return static_cast<int>(SendMessageW(GetSafeHwnd(), CB_GETCURSEL, 0, 0));
}

void CComboBox::SetCurSel(int index)
{
    SendMessageW(GetSafeHwnd(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}
