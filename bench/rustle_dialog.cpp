#include "bench/dialog_under_bench.h"
#include "rustle/composer_dlg.h"

const char* const kProgramUnderBench = "rustle";

std::unique_ptr<CDialog> OpenDialog(ComposerState& state)
{
    AfxSetResourceHandle(rustle::kComposer.resources.Table());
    return std::make_unique<rustle::CComposerDlg>(nullptr, state);
}
