// The monkey's dialog on the system itself: the program's dialog runs modally under the
// system's dialog manager on a thread of its own, as in the program, and takes real input
// through the system (SendInput) as a user gives it; its controls are read back with the
// messages they answer.
#include "framework/win32/windows_api.h"

#include "framework/detail/backend.h"
#include "framework/win32/text.h"
#include "tests/monkey/monkey_dialog.h"
#include "tests/support/show_line.h"

#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace {

using reference::KeyPress;

// The key that marks the end of the input sent so far: the dialog's thread takes it only
// after all that input and whatever the input posted, and the dialog never sees it. Taking
// it, the thread reads the controls back on the spot, where reading them costs no message
// between threads, and then sets the event.
constexpr WORD kMark = VK_F24;
HANDLE markTaken = nullptr;
std::function<void()> readBack;

LRESULT CALLBACK TakeMark(int code, WPARAM key, LPARAM flags)
{
    if (code != HC_ACTION || key != kMark)
        return CallNextHookEx(nullptr, code, key, flags);
    if ((HIWORD(flags) & KF_UP) != 0) {
        readBack();
        SetEvent(markTaken);
    }
    return 1;
}

INPUT KeyInput(WORD key, bool up)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    const bool navigation = (key >= VK_PRIOR && key <= VK_DOWN) || key == VK_INSERT || key == VK_DELETE;
    input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (navigation ? KEYEVENTF_EXTENDEDKEY : 0);
    return input;
}

INPUT MouseInput(DWORD flags, POINT at = {})
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    // Absolute positions are in 65536ths of the screen, rounded down to pixels.
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    input.mi.dx = (at.x * 65536 + width - 1) / width;
    input.mi.dy = (at.y * 65536 + height - 1) / height;
    return input;
}

void Send(std::vector<INPUT> inputs)
{
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// The key and whether Shift goes with it.
std::pair<WORD, bool> VirtualKeyOf(KeyPress press)
{
    static constexpr std::array<WORD, 14> kKeys = {VK_TAB,  VK_TAB,  VK_SPACE, VK_RETURN, VK_ESCAPE, VK_F4,    VK_UP,
                                                   VK_DOWN, VK_LEFT, VK_RIGHT, VK_HOME,   VK_END,    VK_PRIOR, VK_NEXT};
    if (press.key != KeyPress::Character)
        return {kKeys[press.key], press.key == KeyPress::ShiftTab};
    const auto scan = static_cast<unsigned short>(VkKeyScanW(static_cast<wchar_t>(press.character)));
    return {static_cast<WORD>(scan & 0xFF), (scan & 0x100) != 0};
}

std::string ClassOf(HWND window)
{
    std::array<wchar_t, 32> name{};
    GetClassNameW(window, name.data(), static_cast<int>(name.size()));
    return detail::ToUtf8(name.data());
}

bool IsPushButton(HWND control)
{
    const auto type = GetWindowLongPtrW(control, GWL_STYLE) & BS_TYPEMASK;
    return control != nullptr && ClassOf(control) == "Button" && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON);
}

class Win32MonkeyDialog final : public MonkeyDialog, public ComposerDriver {
public:
    Win32MonkeyDialog(const ProgramUnderTest& program, ComposerState& state)
        : ids_(program.program().ids), dialog_(program.open(state))
    {
        thread_ = std::thread([this] {
            threadId_ = GetCurrentThreadId();
            dialog_->DoModal();
        });
    }

    ~Win32MonkeyDialog() override
    {
        if (hook_ != nullptr)
            UnhookWindowsHookEx(hook_);
        if (window_ != nullptr)
            PostMessageW(window_, WM_CLOSE, 0, 0);
        thread_.join();
    }

    // Waits until the dialog is shown and in the foreground, and takes input.
    bool Shown()
    {
        for (int wait = 0; wait < 1000 && (window_ == nullptr || GetForegroundWindow() != window_); ++wait) {
            Sleep(10);
            if (threadId_ != 0)
                window_ = ShownWindow("#32770");
        }
        if (window_ == nullptr || GetForegroundWindow() != window_)
            return false;
        // A number box gives its digits all but a one-pixel border, as in the Linux build: a
        // count of 998 shows whole.
        for (const int id : {ids_.count, ids_.total}) {
            RECT box{}, text{};
            GetWindowRect(Control(id), &box);
            SendMessageW(Control(id), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&text));
            EXPECT_EQ((box.right - box.left) - (text.right - text.left), 2) << "number box " << id;
        }
        readBack = [this] { ReadBack(); };
        hook_ = SetWindowsHookExW(WH_KEYBOARD, TakeMark, nullptr, threadId_);
        return hook_ != nullptr && Settle();
    }

    ComposerDriver& Driver() override { return *this; }

    int RegionCount() const override { return static_cast<int>(SendMessageW(Control(ids_.regionList), CB_GETCOUNT, 0, 0)); }

    // Opened from the keyboard (F4), item `index` scrolled into view and clicked.
    void PickRegion(int index) override
    {
        Focus(ids_.regionList);
        Press({KeyPress::F4});
        Settle();
        COMBOBOXINFO list{};
        list.cbSize = sizeof(list);
        HWND combo = Control(ids_.regionList);
        ASSERT_TRUE(GetComboBoxInfo(combo, &list) && SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0)) << "the list did not open";
        SendMessageW(list.hwndList, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
        RECT item{};
        ASSERT_NE(SendMessageW(list.hwndList, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)), LB_ERR);
        POINT centre{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
        ClientToScreen(list.hwndList, &centre);
        // A second click at one spot soon after the first is a double-click, which the open
        // list does not take as a pick: a user's hand is not that quick.
        if (centre.x == lastClick_.x && centre.y == lastClick_.y) {
            const DWORD since = GetTickCount() - lastClickTime_;
            if (since <= GetDoubleClickTime())
                Sleep(GetDoubleClickTime() - since + 10);
        }
        ClickAt(centre);
    }

    void CheckLength(int position) override { ClickAt(CentreOf(Control(ids_.firstLength + position))); }

    bool Click(int controlId) override
    {
        HWND control = Control(controlId);
        if (!IsPushButton(control))
            return false;
        ClickAt(CentreOf(control));
        return true;
    }

    // The text on the clipboard, Ctrl+V in the output box; a refusal is the message in the
    // balloon beside it.
    std::optional<std::string> Paste(std::string_view text) override
    {
        ClickAt(CentreOf(Control(ids_.output)));
        PressPaste(std::string(text));
        Settle();
        HWND balloon = ShownWindow("tooltips_class32", TTS_BALLOON);
        return balloon != nullptr ? std::optional(detail::WindowText(balloon)) : std::nullopt;
    }

    std::string Show() const override
    {
        Settle();
        return shown_;
    }

    void Press(KeyPress press) override
    {
        const auto [key, shift] = VirtualKeyOf(press);
        std::vector<INPUT> inputs = {KeyInput(key, false), KeyInput(key, true)};
        if (shift) {
            inputs.insert(inputs.begin(), KeyInput(VK_SHIFT, false));
            inputs.push_back(KeyInput(VK_SHIFT, true));
        }
        Input(std::move(inputs));
    }

    void PressPaste(const std::string& text) override
    {
        Settle();  // the clipboard changes when the dialog has taken the keys before
        const std::wstring native = detail::ToNative(text);
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (native.size() + 1) * sizeof(wchar_t));
        std::copy_n(native.c_str(), native.size() + 1, static_cast<wchar_t*>(GlobalLock(memory)));
        GlobalUnlock(memory);
        EXPECT_TRUE(OpenClipboard(nullptr) && EmptyClipboard() && SetClipboardData(CF_UNICODETEXT, memory) && CloseClipboard());
        Input({KeyInput(VK_CONTROL, false), KeyInput('V', false), KeyInput('V', true), KeyInput(VK_CONTROL, true)});
    }

    // As the dialog manager moves it for a program.
    void Focus(int id) override
    {
        Settle();
        SendMessageW(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Control(id)), TRUE);
        settled_ = false;  // to be read back
    }

    int FocusedControl() const override
    {
        Settle();
        return focused_;
    }

    std::vector<int> FocusableControls() const override
    {
        std::vector<int> focusable;
        for (int id = 1000; id < 1100; ++id) {
            HWND control = Control(id);
            if (control != nullptr && ClassOf(control) != "Static" && IsWindowEnabled(control) && IsWindowVisible(control))
                focusable.push_back(id);
        }
        return focusable;
    }

    reference::RegionListKeys RegionList() const override
    {
        HWND list = Control(ids_.regionList);
        const bool field = (GetWindowLongPtrW(list, GWL_STYLE) & CBS_DROPDOWNLIST) == CBS_DROPDOWN;
        return {field, static_cast<int>(SendMessageW(list, CB_GETMINVISIBLE, 0, 0))};
    }

private:
    // A shown window of the dialog's thread of class `name` with style bits `style`, or nullptr.
    HWND ShownWindow(const char* name, LONG_PTR style = 0) const
    {
        struct Wanted { const char* name; LONG_PTR style; HWND found; } wanted{name, style, nullptr};
        EnumThreadWindows(threadId_, [](HWND window, LPARAM asked) -> BOOL {
            auto& sought = *reinterpret_cast<Wanted*>(asked);
            const bool found = ClassOf(window) == sought.name && IsWindowVisible(window) &&
                               (GetWindowLongPtrW(window, GWL_STYLE) & sought.style) == sought.style;
            sought.found = found ? window : nullptr;
            return found ? FALSE : TRUE;
        }, reinterpret_cast<LPARAM>(&wanted));
        return wanted.found;
    }

    HWND Control(int id) const { return GetDlgItem(window_, id); }

    static POINT CentreOf(HWND control)
    {
        RECT rect{};
        GetWindowRect(control, &rect);
        return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    }

    // The pointer moves there first, and the dialog takes the move (a tooltip it shows goes)
    // before the button goes down and up, as a user's hand does it. The button's events say
    // where they are too: the X server's report of an earlier move, late, would otherwise
    // put the pointer back there.
    void ClickAt(POINT at)
    {
        constexpr DWORD kThere = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        if (at.x != pointer_.x || at.y != pointer_.y) {
            Input({MouseInput(kThere, at)});
            Settle();
            pointer_ = at;
        }
        Input({MouseInput(kThere | MOUSEEVENTF_LEFTDOWN, at), MouseInput(kThere | MOUSEEVENTF_LEFTUP, at)});
        lastClick_ = at;
        lastClickTime_ = GetTickCount();
    }

    // Waits until the dialog's thread has taken all the input sent so far and read the
    // controls back.
    bool Settle() const
    {
        if (std::exchange(settled_, true))
            return true;
        Send({KeyInput(kMark, false), KeyInput(kMark, true)});
        const bool taken = WaitForSingleObject(markTaken, 10000) == WAIT_OBJECT_0;
        EXPECT_TRUE(taken) << "the dialog took no input for 10 s";
        return taken;
    }

    // Wine's queue of input keeps only so much: a long run waits now and then.
    void Input(std::vector<INPUT> inputs)
    {
        constexpr std::size_t kQueued = 64;
        if (queued_ + inputs.size() > kQueued)
            Settle();
        if (std::exchange(settled_, false))
            queued_ = 0;
        queued_ += inputs.size();
        Send(std::move(inputs));
    }

    // On the dialog's thread: what the controls show, and where the focus is.
    void ReadBack()
    {
        int lengthIndex = -1;
        for (int i = 0; i < kLengthPositions; ++i) {
            if (SendMessageW(Control(ids_.firstLength + i), BM_GETCHECK, 0, 0) == BST_CHECKED)
                lengthIndex = lengthIndex == -1 ? i : -2;  // -2: two checked
        }
        const auto region = static_cast<int>(SendMessageW(Control(ids_.regionList), CB_GETCURSEL, 0, 0));
        shown_ = ShowLine(ids_, region, [this](int id) { return Number(id); }, lengthIndex,
                          detail::WindowText(Control(ids_.output)));
        HWND control = GetFocus();
        while (control != nullptr && GetParent(control) != window_)
            control = GetParent(control);  // the list's text field is the list's
        focused_ = control != nullptr ? GetDlgCtrlID(control) : 0;
    }

    // A number box's number; a box that holds anything else shows as -1.
    int Number(int id) const
    {
        BOOL isNumber = FALSE;
        const auto value = static_cast<int>(GetDlgItemInt(window_, id, &isNumber, TRUE));
        return isNumber ? value : -1;
    }

    CWinApp app_;  // the dialog loads its icon through the application
    const ComposerControlIds& ids_;
    const std::unique_ptr<CDialog> dialog_;
    std::thread thread_;
    std::atomic<DWORD> threadId_ = 0;
    HWND window_ = nullptr;
    HHOOK hook_ = nullptr;
    POINT pointer_{-1, -1};
    POINT lastClick_{-1, -1};
    DWORD lastClickTime_ = 0;
    mutable bool settled_ = false;
    std::size_t queued_ = 0;  // inputs sent since the dialog last took them all
    std::string shown_;  // read back on the dialog's thread
    int focused_ = 0;
};

}  // namespace

std::unique_ptr<MonkeyDialog> OpenMonkeyDialog(const ProgramUnderTest& program, ComposerState& state)
{
    static const bool initialised = [] {
        const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
        markTaken = CreateEventW(nullptr, FALSE, FALSE, nullptr);
        return InitCommonControlsEx(&controls) != FALSE;
    }();
    auto dialog = std::make_unique<Win32MonkeyDialog>(program, state);
    if (!initialised || !dialog->Shown()) {
        ADD_FAILURE() << "the dialog did not come to the foreground";
        return nullptr;
    }
    return dialog;
}
