// The yardstick for a Windows program's start-up: a bare dialog of the system's dialog
// manager, in the programs' dialog font, with as many controls of the same kinds as the
// program's dialog, made straight with the Win32 API. It shows what a dialog of that kind
// shows at the start: the list's first item selected, numbers in the boxes, the first radio
// button checked. Escape ends it, as it ends the programs.
//   bare_dialog rustle|pulsar|twinwave
#include "bench/bare_dialog_counts.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <string>

namespace {

// A template with no controls (the dialog makes its own), titled as the programs' are: in
// the template.
#pragma pack(push, 2)
struct BareTemplate {
    DLGTEMPLATE dialog;
    WORD menu;
    WORD windowClass;
    WCHAR title[5];
    WORD pointSize;
    WCHAR face[9];
};
#pragma pack(pop)

alignas(4) constexpr BareTemplate kTemplate{
    {WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT, WS_EX_APPWINDOW, 0, 0, 0, 0, 0},
    0, 0, L"Bare", 9, L"ＭＳ Ｐゴシック"};

const ControlCounts* counts = nullptr;

// A control made by hand takes the dialog's font, as those of a template do.
void UseDialogFont(HWND control)
{
    const LRESULT font = SendMessageW(GetParent(control), WM_GETFONT, 0, 0);
    SendMessageW(control, WM_SETFONT, static_cast<WPARAM>(font), FALSE);
}

// Adds a control in a row of small ones, like a keyboard, below the list.
HWND AddControl(HWND dialog, const wchar_t* windowClass, const wchar_t* text, DWORD style, int& x, DWORD exStyle = 0)
{
    HWND control = CreateWindowExW(exStyle, windowClass, text, WS_CHILD | WS_VISIBLE | style, x % 560,
                                   50 + 40 * (x / 560), 16, 30, dialog, nullptr, nullptr, nullptr);
    UseDialogFont(control);
    x += 20;
    return control;
}

// A number box, right-aligned as the programs' are.
void AddNumberBox(HWND dialog, int number, int& x)
{
    AddControl(dialog, L"EDIT", std::to_wstring(number).c_str(),
               ES_READONLY | ES_AUTOHSCROLL | ES_RIGHT | WS_BORDER | WS_TABSTOP, x, WS_EX_RIGHT);
}

INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, 0);
        return TRUE;
    }
    if (message != WM_INITDIALOG)
        return FALSE;
    HWND regions = CreateWindowExW(0, L"COMBOBOX", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_SORT |
                                   (counts->editableList ? CBS_DROPDOWN : CBS_DROPDOWNLIST),
                                   10, 10, 200, 200, dialog, nullptr, nullptr, nullptr);
    UseDialogFont(regions);
    for (int i = 0; i < counts->regions; ++i) {
        wchar_t label[32];
        std::swprintf(label, 32, L"7A%02d-7A%d：地上", i, i + 1);
        SendMessageW(regions, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(label));
    }
    SendMessageW(regions, CB_SETCURSEL, 0, 0);
    // In the programs' order, which sets where the radio group starts and ends: count, "/",
    // budget, each length's radio button with its box, total, push buttons, output.
    int x = 10;
    AddNumberBox(dialog, 0, x);
    AddControl(dialog, L"STATIC", L"/", SS_LEFT | WS_GROUP, x);
    AddNumberBox(dialog, 2, x);
    HWND firstRadio = nullptr;
    for (int i = 0; i < kRadioButtons; ++i) {
        HWND radio = AddControl(dialog, L"BUTTON", L"Radio1", BS_AUTORADIOBUTTON | (i == 0 ? WS_GROUP : 0), x);
        if (i == 0)
            firstRadio = radio;
        AddNumberBox(dialog, 4 + 2 * i, x);
    }
    AddNumberBox(dialog, 20, x);
    for (int i = 0; i < counts->pushButtons; ++i)
        AddControl(dialog, L"BUTTON", i % 2 == 0 ? L"休" : L"", BS_PUSHBUTTON | WS_TABSTOP, x);
    AddControl(dialog, L"EDIT", L"", ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY | ES_WANTRETURN | WS_VSCROLL |
               WS_BORDER | WS_TABSTOP, x);
    SendMessageW(firstRadio, BM_SETCHECK, BST_CHECKED, 0);
    RECT frame{0, 0, 580, 60 + 40 * (x / 560 + 1)};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_EXSTYLE)));
    SetWindowPos(dialog, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top, SWP_NOMOVE | SWP_NOZORDER);
    return TRUE;
}

}  // namespace

int main(int argc, char** argv)
{
    counts = argc == 2 ? ControlCountsOf(argv[1]) : nullptr;
    if (counts == nullptr) {
        std::fputs("usage: bare_dialog rustle|pulsar|twinwave\n", stderr);
        return 2;
    }
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    DialogBoxIndirectParamW(GetModuleHandleW(nullptr), &kTemplate.dialog, nullptr, Procedure, 0);
    return 0;
}
