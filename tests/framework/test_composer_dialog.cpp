#include "tests/framework/test_composer_dialog.h"

#include <QWidget>

using namespace rustle;

BEGIN_MESSAGE_MAP(TestComposerDlg, ComposerDialog<TestComposerDlg>)
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_CBN_SELCHANGE(IDC_REGION, OnSelchangeRegion)
    ON_BN_CLICKED(IDC_NOISE1, OnNoise1)
    ON_BN_CLICKED(IDC_REST, OnRest)
    ON_BN_CLICKED(IDC_BACK, OnBack)
    ON_BN_CLICKED(IDC_END, OnEnd)
END_MESSAGE_MAP()

void TestComposerDlg::DoDataExchange(CDataExchange* pDX)
{
    ComposerDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_OUTPUT, outputBox);
    DDX_Control(pDX, IDC_REGION, regionList);
    DDX_Radio(pDX, IDC_LENSEL0, lengthIndex);
    DDX_Text(pDX, IDC_COUNT, byteCount);
    DDX_Text(pDX, IDC_BUDGET, byteBudget);
    for (int i = 0; i < 8; ++i)
        DDX_Text(pDX, IDC_LEN0 + i, durations[i]);
    DDX_Text(pDX, IDC_TOTAL, durationTotal);

    const bool iconShown = !GetSafeHwnd()->windowIcon().isNull();
    exchanges.push_back(std::string(pDX->m_bSaveAndValidate ? "read" : "write") +
                        " len=" + std::to_string(lengthIndex) + " sel=" + std::to_string(regionList.GetCurSel()) +
                        " icon=" + (iconShown ? "1" : "0"));
}
