// The Win32 backend's side of what both backends share (framework/detail/backend.h): dialog
// windows run modally by the system's dialog manager, and the text, checks and items of
// their controls.
#include "framework/detail/backend.h"

#include "framework/resources.h"
#include "framework/win32/dialog_window.h"
#include "framework/win32/text.h"

#include <algorithm>

namespace detail {

// The window is made when it runs: the dialog manager makes it and its controls.
std::unique_ptr<DialogWindowBase> MakeDialogWindow(CDialog& owner, int templateId)
{
    const DialogTemplate* dialogTemplate = AfxFindDialogTemplate(templateId);
    if (dialogTemplate == nullptr)
        return nullptr;
    return std::make_unique<DialogWindow>(owner, templateId, *dialogTemplate);
}

const DialogWindowBase* DialogWindowOf(HWND window)
{
    return DialogWindow::Of(window);
}

std::string WindowText(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return ToUtf8(text);
}

// A box keeps a text it already shows: each change costs the box a new layout and a
// repaint. A multi-line box takes only what follows the part its text and the new one share
// (a whole new text costs Wine's box a layout of every line, 0.1 s at a full history), and
// shows its newest text: the end, as a box scrolled to its end does.
void SetWindowText(HWND window, std::string_view text)
{
    const std::string shown = WindowText(window);
    if (shown == text)
        return;
    const std::wstring now = ToNative(text);
    if ((GetWindowLongPtrW(window, GWL_STYLE) & ES_MULTILINE) == 0) {
        SetWindowTextW(window, now.c_str());
        return;
    }
    const std::wstring before = ToNative(shown);
    const auto shared = static_cast<std::size_t>(std::ranges::mismatch(before, now).in1 - before.begin());
    SendMessageW(window, EM_SETSEL, shared, -1);
    SendMessageW(window, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(now.c_str() + shared));
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
    SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ToNative(text).c_str()));
}

}  // namespace detail
