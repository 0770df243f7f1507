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
    if (dialogTemplate == nullptr)  // GCOVR_EXCL_BR_LINE: the programs open their own template
        return nullptr;
    return std::make_unique<DialogWindow>(owner, templateId, *dialogTemplate);
}

const DialogWindowBase* DialogWindowOf(HWND window)
{
    return DialogWindow::Of(window);
}

namespace {

std::wstring NativeWindowText(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace

std::string WindowText(HWND window)
{
    return ToUtf8(NativeWindowText(window));
}

// A box keeps a text it already shows: each change costs the box a new layout and a
// repaint. A multi-line box changes only what follows the part the old and new text share,
// in pieces of at most kPiece characters: the system's box lays out again only the rows from
// the change on, and a long text in one piece costs it more than its pieces do (under Wine
// a full history's text set at once takes as long as some 40 clicks). It then shows the end
// of its text, as a box scrolled to its end does.
void SetWindowText(HWND window, std::string_view text)
{
    const std::wstring old = NativeWindowText(window);
    const std::wstring wide = ToNative(text);
    if (old == wide)
        return;
    if ((GetWindowLongPtrW(window, GWL_STYLE) & ES_MULTILINE) == 0) {
        SetWindowTextW(window, wide.c_str());
        return;
    }
    constexpr std::size_t kPiece = 1024;
    auto at = static_cast<std::size_t>(std::ranges::mismatch(old, wide).in1 - old.begin());
    SendMessageW(window, EM_SETSEL, at, -1);
    SendMessageW(window, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(L""));
    for (; at < wide.size(); at += kPiece) {
        const std::wstring piece = wide.substr(at, kPiece);
        SendMessageW(window, EM_SETSEL, at, static_cast<LPARAM>(at));
        SendMessageW(window, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(piece.c_str()));
    }
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
