#include "bench/dialog_under_bench.h"
#include "pulsar/composer_dlg.h"

const char* const kProgramUnderBench = "pulsar";

std::unique_ptr<CDialog> OpenDialog(ComposerState& state)
{
    AfxSetResourceHandle(pulsar::kComposer.resources.Table());
    return std::make_unique<pulsar::CComposerDlg>(nullptr, state);
}
