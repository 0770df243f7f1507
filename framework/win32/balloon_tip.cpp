#include "framework/win32/balloon_tip.h"

#include <utility>

namespace detail {

namespace {

// The balloon shown, and the hook that takes it away at the thread's next click or key.
HWND shown = nullptr;
HHOOK watch = nullptr;

bool IsPress(UINT message)
{
    switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
        return true;
    default:
        return false;
    }
}

LRESULT CALLBACK Watch(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* message = reinterpret_cast<const MSG*>(lParam);
    const bool removed = wParam == PM_REMOVE;
    const LRESULT next = CallNextHookEx(watch, code, wParam, lParam);
    if (code == HC_ACTION && removed && IsPress(message->message))
        HideBalloonTip();
    return next;
}

}  // namespace

void ShowBalloonTip(HWND beside, const std::wstring& title, const std::wstring& message)
{
    HideBalloonTip();
    shown = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, message.c_str(), WS_POPUP | TTS_BALLOON | TTS_NOPREFIX,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, GetParent(beside), nullptr,
                            GetModuleHandleW(nullptr), nullptr);
    if (shown == nullptr)  // GCOVR_EXCL_BR_LINE: the common controls' class is there
        return;
    // The dialog's font: the message is in the programs' language.
    SendMessageW(shown, WM_SETFONT, static_cast<WPARAM>(SendMessageW(GetParent(beside), WM_GETFONT, 0, 0)), FALSE);
    std::wstring text = message;
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_TRACK | TTF_ABSOLUTE | TTF_IDISHWND;
    tool.hwnd = GetParent(beside);
    tool.uId = reinterpret_cast<UINT_PTR>(beside);
    tool.lpszText = text.data();
    SendMessageW(shown, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    if (!title.empty())  // GCOVR_EXCL_BR_LINE: the programs show no title
        SendMessageW(shown, TTM_SETTITLEW, TTI_WARNING, reinterpret_cast<LPARAM>(title.c_str()));  // GCOVR_EXCL_BR_LINE
    RECT box{};
    GetWindowRect(beside, &box);
    SendMessageW(shown, TTM_TRACKPOSITION, 0, MAKELPARAM(box.left + (box.right - box.left) / 8, box.bottom));
    SendMessageW(shown, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
    watch = SetWindowsHookExW(WH_GETMESSAGE, Watch, nullptr, GetCurrentThreadId());
}

void HideBalloonTip()
{
    if (watch != nullptr)
        UnhookWindowsHookEx(std::exchange(watch, nullptr));
    if (shown != nullptr)
        DestroyWindow(std::exchange(shown, nullptr));
}

}  // namespace detail
