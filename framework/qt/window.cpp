// Windows as the toolkit's widgets: a CWnd's widget and what it does with it.
#include "framework/controls.h"

#include "framework/qt/balloon_tip.h"
#include "framework/qt/dialog_window.h"
#include "framework/qt/text.h"

#include <QComboBox>
#include <QPainter>
#include <QPointer>

namespace detail {

// A CWnd's window; it turns null by itself when the window is destroyed, so an object
// that outlives its window (or dies before it) never holds a dangling handle.
struct WindowLink {
    QPointer<QWidget> widget;
};

}  // namespace detail

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

int CComboBox::GetCurSel() const
{
    return qobject_cast<const QComboBox*>(GetSafeHwnd())->currentIndex();
}

BOOL CEdit::ShowBalloonTip(const char* title, const char* text)
{
    const QString message = detail::ToNative(text != nullptr ? text : "");
    const QString heading = detail::ToNative(title != nullptr ? title : "");
    detail::ShowBalloonTip(*GetSafeHwnd(), heading.isEmpty() ? message : heading + '\n' + message);
    return TRUE;
}

BOOL CEdit::HideBalloonTip()
{
    detail::HideBalloonTip();
    return TRUE;
}

void CComboBox::SetCurSel(int index)
{
    // Programmatic: QComboBox::activated, the user's choice, is not emitted. An index that
    // names no item leaves none selected.
    qobject_cast<QComboBox*>(GetSafeHwnd())->setCurrentIndex(index);
}
