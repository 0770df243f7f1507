// The yardstick for a Windows program's start-up: a bare dialog of the system's dialog
// manager with the style and font of the program's dialog and a control of the same kind
// and style for each of the program's, in its template's order and with its region list's
// labels, made straight with the Win32 API. It shows what a dialog of that kind shows at
// the start: the list's first item selected, numbers in the boxes, the first radio button
// checked. Escape ends it, as it ends the programs.
//   bare_dialog rustle|pulsar|twinwave
#include "bench/program_dialogs.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace {

const ProgramDialog* program = nullptr;

std::wstring Wide(const char* utf8)
{
    const int size = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0);
    std::wstring text(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8, -1, text.data(), size);
    text.pop_back();  // the terminating null, which the string keeps by itself
    return text;
}

// A template with the style and font of `dialog` and no controls (the bare dialog makes its
// own), titled as the programs' are: in the template.
std::vector<WORD> BareTemplate(const DialogTemplate& dialog)
{
    std::vector<WORD> words;
    const auto doubleWord = [&](DWORD value) { words.insert(words.end(), {LOWORD(value), HIWORD(value)}); };
    const auto text = [&](const std::wstring& value) {
        words.insert(words.end(), value.begin(), value.end());
        words.push_back(0);
    };
    doubleWord(dialog.style);
    doubleWord(dialog.exStyle);
    words.insert(words.end(), {0, 0, 0, 0, 0, 0, 0});  // no controls, no place and size, no menu, the system's class
    text(L"Bare");
    words.push_back(static_cast<WORD>(dialog.font.pointSize));
    text(Wide(dialog.font.face));
    return words;
}

// A control made by hand takes the dialog's font, as those of a template do.
void UseDialogFont(HWND control)
{
    const LRESULT font = SendMessageW(GetParent(control), WM_GETFONT, 0, 0);
    SendMessageW(control, WM_SETFONT, static_cast<WPARAM>(font), FALSE);
}

// Adds a control in a row of small ones, like a keyboard, below the list.
HWND AddControl(HWND dialog, const DialogItemTemplate& item, const std::wstring& text, DWORD style, int& x)
{
    HWND control = CreateWindowExW(item.exStyle, Wide(item.windowClass).c_str(), text.c_str(), style, x % 560,
                                   50 + 40 * (x / 560), 16, 30, dialog, nullptr, nullptr, nullptr);
    UseDialogFont(control);
    x += 20;
    return control;
}

INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, 0);
        return TRUE;
    }
    if (message != WM_INITDIALOG)
        return FALSE;
    // In the template's order, which sets where the radio group starts and ends.
    int x = 10;
    int numberBoxes = 0;
    HWND firstRadio = nullptr;
    for (const DialogItemTemplate& item : program->dialog.items) {
        const std::string_view kind = item.windowClass;
        if (kind == "COMBOBOX") {
            HWND regions = CreateWindowExW(item.exStyle, L"COMBOBOX", L"", item.style, 10, 10, 200, 200, dialog, nullptr,
                                           nullptr, nullptr);
            UseDialogFont(regions);
            for (const DialogInitRecord& label : program->regionLabels)
                SendMessageW(regions, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(label.text).c_str()));
            SendMessageW(regions, CB_SETCURSEL, 0, 0);
        } else if (kind == "EDIT" && (item.style & ES_MULTILINE) == 0) {
            // A number box, right-aligned as the programs' are: the extended style alone
            // aligns text only in right-to-left languages.
            const DWORD alignment = (item.exStyle & WS_EX_RIGHT) != 0 ? ES_RIGHT : 0;
            AddControl(dialog, item, std::to_wstring(2 * numberBoxes++), item.style | alignment, x);
        } else {
            HWND control = AddControl(dialog, item, Wide(item.caption), item.style, x);
            if (firstRadio == nullptr && kind == "BUTTON" && (item.style & BS_TYPEMASK) == BS_AUTORADIOBUTTON)
                firstRadio = control;
        }
    }
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
    const std::optional<ProgramDialog> model = argc == 2 ? FindProgramDialog(argv[1]) : std::nullopt;
    if (!model) {
        std::fputs("usage: bare_dialog rustle|pulsar|twinwave\n", stderr);
        return 2;
    }
    program = &*model;
    const std::vector<WORD> bareTemplate = BareTemplate(model->dialog);
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    DialogBoxIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<const DLGTEMPLATE*>(bareTemplate.data()), nullptr,
                            Procedure, 0);
    return 0;
}
