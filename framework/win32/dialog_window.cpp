#include "framework/win32/dialog_window.h"

#include "framework/detail/edit_menu.h"
#include "framework/resources.h"
#include "framework/win32/accessible_object.h"
#include "framework/win32/memory_template.h"
#include "framework/win32/text.h"

#include <algorithm>
#include <string>
#include <utility>

namespace detail {

namespace {

// What the framework adds to the system's controls, each a window procedure put before the
// control's own, which stays in the control's user data. (The common controls' subclass
// calls would look their data up in the window's properties at every message: under Wine
// a call to its server each time.)
LRESULT CallOwnProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    const auto own = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(control, GWLP_USERDATA));
    return CallWindowProcW(own, control, message, wParam, lParam);
}

// Every control of a dialog: screen readers hear the name the program gives it. `named` is
// the control, or the list whose text field `control` is.
LRESULT Named(HWND control, HWND named, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_GETOBJECT) {
        const DialogWindow* dialog = DialogWindow::Of(GetParent(named));
        if (const LRESULT object = dialog != nullptr ? dialog->AccessibleObject(control, named, wParam, lParam) : 0)
            return object;
    }
    return CallOwnProcedure(control, message, wParam, lParam);
}

// A control with nothing else added.
LRESULT CALLBACK NamedControl(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    return Named(control, control, message, wParam, lParam);
}

// An edit box: Ctrl+A selects its whole text.
LRESULT CALLBACK SelectAll(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    constexpr WPARAM kCtrlA = 1;
    if (message == WM_CHAR && wParam == kCtrlA) {
        SendMessageW(control, EM_SETSEL, 0, -1);
        return 0;
    }
    return NamedControl(control, message, wParam, lParam);
}

// The dialog's command `command`, as a menu gives it.
void Command(HWND control, int command)
{
    SendMessageW(GetParent(control), WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

// The menu of a read-only multi-line box at `place` (from WM_CONTEXTMENU; -1, -1 from the
// keyboard: then at the box): copy the selection, the dialog's paste, select the whole text.
void ShowEditMenu(HWND box, LPARAM place)
{
    POINT at{static_cast<short>(LOWORD(place)), static_cast<short>(HIWORD(place))};
    if (at.x == -1 && at.y == -1) {
        at = {};
        ClientToScreen(box, &at);
    }
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    HMENU menu = CreatePopupMenu();
    for (const EditMenuItem& item : kEditMenu) {
        const bool enabled = item.command != ID_EDIT_COPY || start != end;
        const UINT state = enabled ? MF_ENABLED : MF_GRAYED;
        AppendMenuW(menu, MF_STRING | state, static_cast<UINT_PTR>(item.command),
                    ToNative(item.caption).c_str());
    }
    const int chosen = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, box, nullptr);
    DestroyMenu(menu);
    if (chosen == ID_EDIT_COPY)
        SendMessageW(box, WM_COPY, 0, 0);
    else if (chosen == ID_EDIT_SELECT_ALL)
        SendMessageW(box, EM_SETSEL, 0, -1);
    else if (chosen != 0)
        Command(box, chosen);
}

// A box that shows what the program wrote: Ctrl+A selects its whole text, a paste (Ctrl+V,
// Shift+Insert, its menu's item) is its dialog's command ID_EDIT_PASTE, and its menu offers
// copy, paste and select all.
LRESULT CALLBACK ReadOnlyBox(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    constexpr WPARAM kCtrlV = 0x16;
    const bool shiftInsert = message == WM_KEYDOWN && wParam == VK_INSERT && GetKeyState(VK_SHIFT) < 0;
    if ((message == WM_CHAR && wParam == kCtrlV) || shiftInsert || message == WM_PASTE) {
        Command(control, ID_EDIT_PASTE);
        return 0;
    }
    if (message == WM_CONTEXTMENU) {
        ShowEditMenu(control, lParam);
        return 0;
    }
    return SelectAll(control, message, wParam, lParam);
}

// The output box's text has no spaces: it wraps at any character. Said to the box, this
// spares it looking for word breaks over its whole text at every change.
int CALLBACK BreakAnywhere(LPWSTR, int current, int, int action)
{
    return action == WB_ISDELIMITER ? FALSE : current;
}

// A region list turns with the wheel only while it has the focus: its change would throw
// the composition away. Text typed into its field stays text: the list would look it up and
// drop its item, so that the next arrow key took the item found rather than a neighbour of
// the one shown.
LRESULT CALLBACK RegionList(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_MOUSEWHEEL && GetFocus() != control && !IsChild(control, GetFocus()))
        return 0;
    if (message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE)
        return 0;
    return NamedControl(control, message, wParam, lParam);
}

// The text field of a list hands the wheel to the list, and shows the start of its text
// when it selects all of it.
LRESULT CALLBACK ListField(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_MOUSEWHEEL)
        return SendMessageW(GetParent(control), message, wParam, lParam);
    // The caret at the start: the box shows the text from there, not scrolled to its end.
    if (message == EM_SETSEL && wParam == 0 && lParam == -1)
        return CallOwnProcedure(control, message, static_cast<WPARAM>(GetWindowTextLengthW(control)), 0);
    return Named(control, GetParent(control), message, wParam, lParam);
}

// The label of the item a list shows goes back into its text field, if it has one: the list
// opens on the item whose label starts with the field's text, and what was typed there
// selects nothing.
void ShowItemInField(HWND list)
{
    COMBOBOXINFO parts{};
    parts.cbSize = sizeof(parts);
    const auto item = static_cast<int>(SendMessageW(list, CB_GETCURSEL, 0, 0));
    if (item < 0 || !GetComboBoxInfo(list, &parts) || parts.hwndItem == nullptr || parts.hwndItem == list)
        return;
    const auto at = static_cast<WPARAM>(item);
    std::wstring label(static_cast<std::size_t>(SendMessageW(list, CB_GETLBTEXTLEN, at, 0)) + 1, L'\0');
    SendMessageW(list, CB_GETLBTEXT, at, reinterpret_cast<LPARAM>(label.data()));
    SetWindowTextW(parts.hwndItem, label.c_str());
}

void Add(HWND control, WNDPROC addition)
{
    SetWindowLongPtrW(control, GWLP_USERDATA,
                      SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(addition)));
}

// A dialog that its OnInitDialog left where the template put it goes to the middle of the
// work area of its monitor, as the classic framework places one without an owner; one larger
// than the work area keeps its caption in it.
void CentreUnlessMoved(HWND window, const RECT& placed)
{
    RECT now{};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    if (!GetWindowRect(window, &now) || now.left != placed.left || now.top != placed.top ||
        !GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor))
        return;
    const RECT& work = monitor.rcWork;
    const int x = std::max(work.left, (work.left + work.right - (now.right - now.left)) / 2);
    const int y = std::max(work.top, (work.top + work.bottom - (now.bottom - now.top)) / 2);
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Made once the dialog has painted itself for the first time: the tooltips, the buttons' names.
constexpr UINT kNameControls = WM_APP;

}  // namespace

DialogWindow::DialogWindow(CDialog& owner, int templateId, const DialogTemplate& dialogTemplate)
    : DialogWindowBase(dialogTemplate.items),
      owner_(owner),
      templateId_(templateId),
      memoryTemplate_(MemoryTemplate(dialogTemplate))
{
}

int DialogWindow::RunModal()
{
    return static_cast<int>(DialogBoxIndirectParamW(GetModuleHandleW(nullptr),
                                                    reinterpret_cast<LPCDLGTEMPLATEW>(memoryTemplate_.data()),
                                                    nullptr, Procedure, reinterpret_cast<LPARAM>(this)));
}

void DialogWindow::EndModal(int result)
{
    EndDialog(window_, result);
}

DialogWindow* DialogWindow::Of(HWND window)
{
    // Asked with a window.
    return window != nullptr ? reinterpret_cast<DialogWindow*>(GetWindowLongPtrW(window, DWLP_USER)) : nullptr;  // GCOVR_EXCL_BR_LINE
}

BOOL DialogWindow::Initialise(HWND window)
{
    window_ = window;
    owner_.AttachWindow(window);
    for (const DialogItemTemplate& item : Items()) {
        const ControlKind kind = KindOf(item);
        if (kind != ControlKind::Edit && kind != ControlKind::MultiLineEdit && kind != ControlKind::ComboBox)
            continue;
        HWND control = owner_.GetDlgItem(item.id);
        if (kind == ControlKind::ComboBox) {
            Add(control, RegionList);
            COMBOBOXINFO list{};
            list.cbSize = sizeof(list);
            if (!GetComboBoxInfo(control, &list))
                continue;
            if (list.hwndItem != nullptr && list.hwndItem != control)
                Add(list.hwndItem, ListField);
            // The open list shows the rows its template height holds, as the classic list does
            // (the common controls' would show up to 30): its page for Page Up and Page Down
            // then stays the same before and after it first opens.
            RECT rows{};
            GetClientRect(list.hwndList, &rows);
            const auto rowHeight = static_cast<LONG>(SendMessageW(control, CB_GETITEMHEIGHT, 0, 0));
            SendMessageW(control, CB_SETMINVISIBLE, static_cast<WPARAM>(std::max(1L, rows.bottom / std::max(1L, rowHeight))), 0);
            continue;
        }
        // A read-only number box draws no caret: its margins go to the text, so that three
        // digits fit a box 15 dialog units wide (its one-pixel edge: memory_template.cpp).
        // The programs' boxes are read-only.
        if (kind == ControlKind::Edit && (item.style & ES_READONLY) != 0)  // GCOVR_EXCL_BR_LINE
            SendMessageW(control, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
        const bool readOnlyBox = kind == ControlKind::MultiLineEdit && (item.style & ES_READONLY) != 0;  // GCOVR_EXCL_BR_LINE
        if (readOnlyBox)
            SendMessageW(control, EM_SETWORDBREAKPROC, 0, reinterpret_cast<LPARAM>(&BreakAnywhere));
        Add(control, readOnlyBox ? ReadOnlyBox : SelectAll);
    }
    RECT placed{};
    GetWindowRect(window, &placed);
    const BOOL result = owner_.OnInitDialog();
    CentreUnlessMoved(window, placed);
    return result;
}

LRESULT DialogWindow::AccessibleObject(HWND window, HWND control, WPARAM wParam, LPARAM lParam) const
{
    const std::span<const ControlNameRecord> names = AfxFindControlNames(templateId_);
    const auto record = std::ranges::find(names, GetDlgCtrlID(control), &ControlNameRecord::controlId);
    if (record == names.end())  // GCOVR_EXCL_BR_LINE: the programs name every control
        return 0;
    std::wstring name = ToNative(record->name);
    // A push button's tooltip says its name.
    std::wstring description = KindOfControl(control) == ControlKind::PushButton ? name : std::wstring();
    return NamedAccessibleObject(window, wParam, lParam, std::move(name), std::move(description));
}

ControlKind DialogWindow::KindOfControl(HWND control) const
{
    const auto item = GetParent(control) == window_
                          ? std::ranges::find(Items(), GetDlgCtrlID(control), &DialogItemTemplate::id)
                          : Items().end();
    return item != Items().end() ? KindOf(*item) : ControlKind::Static;
}

// A push button's caption is a single letter or none: the pointer resting on it shows
// what it plays or does. The buttons, which have no other addition, answer screen readers
// from now on: the other controls, one of which has the focus, from the start.
void DialogWindow::NameControls()
{
    HWND tooltips = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr, GetModuleHandleW(nullptr), nullptr);
    for (const ControlNameRecord& record : AfxFindControlNames(templateId_)) {
        HWND control = owner_.GetDlgItem(record.controlId);
        const ControlKind kind = KindOfControl(control);
        if (kind == ControlKind::PushButton || kind == ControlKind::RadioButton)
            Add(control, NamedControl);
        if (kind != ControlKind::PushButton)
            continue;
        std::wstring name = ToNative(record.name);
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = window_;
        tool.uId = reinterpret_cast<UINT_PTR>(control);
        tool.lpszText = name.data();
        SendMessageW(tooltips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

// In the open drop-down part of a list the arrow keys only browse: the item it closes on
// counts when the user took it (a click, Enter), while Escape or a click elsewhere puts back
// the item it opened on. Then the list notifies its change once, as the dialog's lists do.
bool DialogWindow::BrowsedInOpenList(HWND list, int code)
{
    if (KindOfControl(list) != ControlKind::ComboBox)
        return false;
    const auto selection = [list] { return static_cast<int>(SendMessageW(list, CB_GETCURSEL, 0, 0)); };
    switch (code) {
    case CBN_DROPDOWN:
        openList_ = {list, selection(), false};
        ShowItemInField(list);
        return false;
    case CBN_SELENDOK: openList_.taken = list == openList_.list; return false;
    case CBN_SELENDCANCEL: openList_.taken = false; return false;
    case CBN_SELCHANGE: return list == openList_.list;
    case CBN_CLOSEUP: break;
    default: return false;
    }
    const OpenList closed = std::exchange(openList_, {});
    if (list != closed.list)
        return false;
    if (!closed.taken)
        SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(closed.openedOn), 0);
    else if (selection() != closed.openedOn)
        owner_.OnCmdMsg(GetDlgCtrlID(list), CBN_SELCHANGE);
    return false;
}

// Enter clicks the push button that has the focus, however it got it: the dialog manager
// clicks the default button, which only the keyboard moves to a button it focuses.
BOOL DialogWindow::FocusedButtonAsDefault()
{
    HWND focus = GetFocus();
    if (KindOfControl(focus) != ControlKind::PushButton)
        return FALSE;
    SetWindowLongPtrW(window_, DWLP_MSGRESULT, MAKELONG(GetDlgCtrlID(focus), DC_HASDEFID));
    return TRUE;
}

INT_PTR CALLBACK DialogWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        return reinterpret_cast<DialogWindow*>(lParam)->Initialise(window);
    }
    DialogWindow* self = Of(window);
    if (self == nullptr)
        return FALSE;
    if (message == WM_COMMAND)
        return self->BrowsedInOpenList(reinterpret_cast<HWND>(lParam), HIWORD(wParam))
                   ? TRUE
                   : self->owner_.OnCmdMsg(LOWORD(wParam), HIWORD(wParam));
    if (message == DM_GETDEFID)
        return self->FocusedButtonAsDefault();
    if (message == WM_PAINT && !std::exchange(self->painted_, true))
        PostMessageW(window, kNameControls, 0, 0);
    if (message == kNameControls) {
        self->NameControls();
        return TRUE;
    }
    LRESULT result = 0;
    if (!self->owner_.OnWndMsg(message, &result))
        return FALSE;
    switch (message) {  // GCOVR_EXCL_BR_LINE: the programs' maps take these two window messages only
    case WM_PAINT: return FALSE;  // what the handler left unpainted, the system paints
    case WM_QUERYDRAGICON: return result;
    default: SetWindowLongPtrW(window, DWLP_MSGRESULT, result); return TRUE;  // GCOVR_EXCL_BR_LINE: as above
    }
}

}  // namespace detail
