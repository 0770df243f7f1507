// The Windows programs' paste under Wine: the bytes of a full history pasted into an empty
// composition of each program's real Win32 dialog, against one click at a full history, in
// turns; medians of 15 of each, and how many clicks a paste costs. Messages go to the
// controls as the dialog manager delivers a click and a paste (BM_CLICK, WM_PASTE): each is
// timed from the message until its handler has set the output text.
#include "bench/bench_programs.h"
#include "pulsar/composer_program.h"
#include "replay/dialog_model.h"
#include "rustle/composer_program.h"
#include "twinwave/composer_program.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kRuns = 15;

double Median(std::vector<double> values)
{
    std::ranges::sort(values);
    return values[values.size() / 2];
}

template <class Operation>
double MillisecondsOf(Operation&& operation)
{
    const auto start = std::chrono::steady_clock::now();
    operation();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

void PutOnClipboard(HWND owner, const std::string& text)
{
    const std::wstring wide(text.begin(), text.end());  // hex digits: ASCII
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t));
    std::copy_n(wide.c_str(), wide.size() + 1, static_cast<wchar_t*>(GlobalLock(memory)));
    GlobalUnlock(memory);
    OpenClipboard(owner);
    EmptyClipboard();
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}

// The program under benchmark, its dialog and state while its modal loop runs.
const BenchProgram* measured = nullptr;
const ComposerState* state = nullptr;
const CWnd* dialogObject = nullptr;
HWND window = nullptr;

void Click(int id)
{
    SendMessageW(GetDlgItem(window, id), BM_CLICK, 0, 0);
}

void Empty()
{
    HWND list = GetDlgItem(window, measured->program.ids.regionList);
    for (const int region : {measured->otherRegion, 0}) {
        SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(region), 0);
        SendMessageW(window, WM_COMMAND, MAKEWPARAM(measured->program.ids.regionList, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(list));
    }
}

// The bytes of a full history, as the windowless model of the dialog writes them.
std::string FullHistoryBytes(const BenchProgram& bench)
{
    DialogModel model(bench.program);
    SetHistoryDepth(
        model.State(), bench, kFullHistory, [&](int id) { model.Click(id); },
        [&](int position) { model.CheckLength(position); });
    return model.Output();
}

// Runs in the dialog's modal loop, once the dialog is up; ends it with Cancel.
void CALLBACK Measure(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    window = dialogObject->GetSafeHwnd();
    PutOnClipboard(window, FullHistoryBytes(*measured));
    HWND output = GetDlgItem(window, measured->program.ids.output);
    std::vector<double> pastes;
    std::vector<double> clicks;
    for (int run = 0; run < kRuns; ++run) {
        Empty();
        pastes.push_back(MillisecondsOf([&] { SendMessageW(output, WM_PASTE, 0, 0); }));
        if (state->history.Top() != kFullHistory)
            std::printf("%s: the paste did not enter the full history\n", std::string(measured->program.name).c_str());
        Click(measured->program.ids.back);
        Click(measured->program.ids.firstLength + state->history.Top() % 2);
        clicks.push_back(MillisecondsOf([] { Click(measured->append); }));
    }
    const double paste = Median(pastes);
    const double click = Median(clicks);
    std::printf("%-9s paste of %d entries %7.2f ms  click at a full history %6.2f ms  paste/click %5.2f\n",
                std::string(measured->program.name).c_str(), kFullHistory, paste, click, paste / click);
    PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
}

template <const ComposerProgram& P>
void Bench()
{
    for (const BenchProgram& bench : BenchPrograms()) {
        if (&bench.program == &P.program)
            measured = &bench;
    }
    AfxSetResourceHandle(P.resources.Table());
    ComposerState composerState;
    ComposerDialog<P> dialog(nullptr, composerState);
    state = &composerState;
    dialogObject = &dialog;
    // The first timer message comes once the modal loop runs, the dialog set up.
    SetTimer(nullptr, 0, 0, Measure);
    dialog.DoModal();
}

}  // namespace

int main()
{
    CWinApp app;  // the dialogs load their icons through the application
    Bench<rustle::kComposer>();
    Bench<pulsar::kComposer>();
    Bench<twinwave::kComposer>();
    return 0;
}
