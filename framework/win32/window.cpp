// Windows as the system's own: a CWnd's window handle, and what the shared code does with it.
#include "framework/cwnd.h"

#include "framework/detail/backend.h"
#include "framework/win32/dialog_window.h"
#include "framework/win32/utf16.h"

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
        if (control != nullptr)
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
    ::GetClientRect(GetSafeHwnd(), &client);
    *rect = CRect{client.left, client.top, client.right, client.bottom};
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return SendMessageW(GetSafeHwnd(), message, wParam, lParam);
}

int CComboBox::GetCurSel() const
{
    return static_cast<int>(SendMessageW(GetSafeHwnd(), CB_GETCURSEL, 0, 0));
}

void CComboBox::SetCurSel(int index)
{
    SendMessageW(GetSafeHwnd(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

namespace detail {

std::span<const DialogItemTemplate> TemplateItemsOf(HWND dialog)
{
    const DialogWindow* window = DialogWindow::Of(dialog);
    return window != nullptr ? window->Items() : std::span<const DialogItemTemplate>{};
}

std::string WindowText(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return ToUtf8(text);
}

// A box keeps a text it already shows: each change costs the box a new layout and a
// repaint. A multi-line box shows its newest text: the end, as a box scrolled to its end does.
void SetWindowText(HWND window, std::string_view text)
{
    if (WindowText(window) == text)
        return;
    SetWindowTextW(window, ToUtf16(text).c_str());
    if ((GetWindowLongPtrW(window, GWL_STYLE) & ES_MULTILINE) != 0)
        SendMessageW(window, WM_VSCROLL, SB_BOTTOM, 0);
}

bool IsChecked(HWND button)
{
    return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void SetChecked(HWND button, bool checked)
{
    if (IsChecked(button) != checked)
        SendMessageW(button, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

// A sorted list (CBS_SORT) places the item itself.
void AddListItem(HWND list, std::string_view text)
{
    SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ToUtf16(text).c_str()));
}

}  // namespace detail
