// Windows as the toolkit's widgets: a CWnd's widget, and what the shared code does with it.
#include "framework/cwnd.h"

#include "framework/detail/backend.h"
#include "framework/qt/dialog_window.h"
#include "framework/qt/window_link.h"

#include <QAbstractButton>
#include <QPainter>

CWnd::CWnd() : link_(std::make_unique<detail::WindowLink>()) {}

CWnd::~CWnd() = default;

HWND CWnd::GetSafeHwnd() const
{
    return link_->widget.data();
}

void CWnd::AttachWindow(HWND window)
{
    link_->widget = window;
}

HWND CWnd::GetDlgItem(int id) const
{
    const detail::DialogWindow* dialog = detail::DialogWindow::Of(GetSafeHwnd());
    const detail::DialogControl* control = dialog != nullptr ? dialog->FindControl(id) : nullptr;
    return control != nullptr ? control->window : nullptr;
}

void CWnd::SetIcon(HICON icon, BOOL /*bBigIcon*/)
{
    detail::DialogWindow::Of(GetSafeHwnd())->SetIcon(icon);
}

BOOL CWnd::IsIconic() const
{
    return GetSafeHwnd()->isMinimized() ? TRUE : FALSE;
}

void CWnd::GetClientRect(CRect* rect) const
{
    *rect = CRect{0, 0, GetSafeHwnd()->width(), GetSafeHwnd()->height()};
}

// The window's default for the one message without a handler that the programs send.
LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM /*lParam*/)
{
    LRESULT result = 0;
    if (OnWndMsg(message, &result))
        return result;
    HWND window = GetSafeHwnd();
    if (message == WM_ICONERASEBKGND) {
        reinterpret_cast<QPainter*>(wParam)->fillRect(window->rect(), window->palette().window());
        return 1;
    }
    return 0;
}

namespace detail {

std::span<const DialogItemTemplate> TemplateItemsOf(HWND dialog)
{
    const DialogWindow* window = DialogWindow::Of(dialog);
    return window != nullptr ? window->Items() : std::span<const DialogItemTemplate>{};
}

bool IsChecked(HWND button)
{
    return static_cast<const QAbstractButton*>(button)->isChecked();
}

// The radio buttons of a dialog exclude each other, as the toolkit's radio buttons of one
// parent do: checking one clears the rest, and the checked one cannot be cleared.
void SetChecked(HWND button, bool checked)
{
    static_cast<QAbstractButton*>(button)->setChecked(checked);
}

}  // namespace detail
