#include "bench/dialog_under_bench.h"
#include "twinwave/composer_dlg.h"

const char* const kProgramUnderBench = "twinwave";

std::unique_ptr<CDialog> OpenDialog(ComposerState& state)
{
    AfxSetResourceHandle(twinwave::kComposer.resources.Table());
    return std::make_unique<twinwave::CComposerDlg>(nullptr, state);
}
