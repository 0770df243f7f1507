#include "rustle/composer_dlg.h"

#include "rustle/noise_channel.h"

namespace rustle {

CComposerDlg::CComposerDlg(CWnd* parent, ComposerState& state)
    : ComposerDialog(IDD_COMPOSER, kProgram, parent, state)
{
}

BEGIN_MESSAGE_MAP(CComposerDlg, ComposerDialog<CComposerDlg>)
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_CBN_SELCHANGE(IDC_REGION, OnSelchangeRegion)
    ON_BN_CLICKED(IDC_NOISE1, OnNoise1)
    ON_BN_CLICKED(IDC_NOISE2, OnNoise2)
    ON_BN_CLICKED(IDC_NOISE3, OnNoise3)
    ON_BN_CLICKED(IDC_REST, OnRest)
    ON_BN_CLICKED(IDC_BACK, OnBack)
    ON_BN_CLICKED(IDC_END, OnEnd)
END_MESSAGE_MAP()

void CComposerDlg::DoDataExchange(CDataExchange* pDX)
{
    ComposerDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_REGION, regionList);
    DDX_Control(pDX, IDC_OUTPUT, outputBox);
    DDX_Text(pDX, IDC_COUNT, byteCount);
    DDX_Text(pDX, IDC_BUDGET, byteBudget);
    for (int i = 0; i < 8; ++i)
        DDX_Text(pDX, IDC_LEN0 + i, durations[i]);
    DDX_Text(pDX, IDC_TOTAL, durationTotal);
    DDX_Radio(pDX, IDC_LENSEL0, lengthIndex);
}

}  // namespace rustle
