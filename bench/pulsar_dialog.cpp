#include "bench/dialog_under_bench.h"
#include "pulsar/composer_dlg.h"

const char* const kProgramUnderBench = "pulsar";

std::unique_ptr<CDialog> OpenDialog(ComposerState& state)
{
    return std::make_unique<pulsar::CComposerDlg>(nullptr, state);
}
