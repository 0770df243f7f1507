#include "twinwave/composer_dlg.h"

#include "twinwave/square2_triangle.h"

namespace twinwave {

CComposerDlg::CComposerDlg(CWnd* parent, ComposerState& state)
    : ComposerDialog(IDD_COMPOSER, kProgram, parent, state)
{
}

BEGIN_MESSAGE_MAP(CComposerDlg, ComposerDialog<CComposerDlg>)
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_CBN_SELCHANGE(IDC_REGION, OnSelchangeRegion)
    ON_BN_CLICKED(1003, OnKey1003)
    ON_BN_CLICKED(1008, OnKey1008)
    ON_BN_CLICKED(1010, OnKey1010)
    ON_BN_CLICKED(1011, OnKey1011)
    ON_BN_CLICKED(1012, OnKey1012)
    ON_BN_CLICKED(1013, OnKey1013)
    ON_BN_CLICKED(1014, OnKey1014)
    ON_BN_CLICKED(1015, OnKey1015)
    ON_BN_CLICKED(1016, OnKey1016)
    ON_BN_CLICKED(1017, OnKey1017)
    ON_BN_CLICKED(1018, OnKey1018)
    ON_BN_CLICKED(1019, OnKey1019)
    ON_BN_CLICKED(1020, OnKey1020)
    ON_BN_CLICKED(1021, OnKey1021)
    ON_BN_CLICKED(1022, OnKey1022)
    ON_BN_CLICKED(1023, OnKey1023)
    ON_BN_CLICKED(1024, OnKey1024)
    ON_BN_CLICKED(1025, OnKey1025)
    ON_BN_CLICKED(1026, OnKey1026)
    ON_BN_CLICKED(1027, OnKey1027)
    ON_BN_CLICKED(1028, OnKey1028)
    ON_BN_CLICKED(1029, OnKey1029)
    ON_BN_CLICKED(1030, OnKey1030)
    ON_BN_CLICKED(1031, OnKey1031)
    ON_BN_CLICKED(1032, OnKey1032)
    ON_BN_CLICKED(1033, OnKey1033)
    ON_BN_CLICKED(1034, OnKey1034)
    ON_BN_CLICKED(1035, OnKey1035)
    ON_BN_CLICKED(1036, OnKey1036)
    ON_BN_CLICKED(1037, OnKey1037)
    ON_BN_CLICKED(1038, OnKey1038)
    ON_BN_CLICKED(1039, OnKey1039)
    ON_BN_CLICKED(1040, OnKey1040)
    ON_BN_CLICKED(1041, OnKey1041)
    ON_BN_CLICKED(1042, OnKey1042)
    ON_BN_CLICKED(1043, OnKey1043)
    ON_BN_CLICKED(1044, OnKey1044)
    ON_BN_CLICKED(1045, OnKey1045)
    ON_BN_CLICKED(1046, OnKey1046)
    ON_BN_CLICKED(1047, OnKey1047)
    ON_BN_CLICKED(1048, OnKey1048)
    ON_BN_CLICKED(1049, OnKey1049)
    ON_BN_CLICKED(1051, OnKey1051)
    ON_BN_CLICKED(1052, OnKey1052)
    ON_BN_CLICKED(1054, OnKey1054)
    ON_BN_CLICKED(1056, OnKey1056)
    ON_BN_CLICKED(1058, OnKey1058)
    ON_BN_CLICKED(1060, OnKey1060)
    ON_BN_CLICKED(1062, OnKey1062)
    ON_BN_CLICKED(IDC_REST, OnRest)
    ON_BN_CLICKED(IDC_BACK, OnBack)
    ON_BN_CLICKED(IDC_END, OnEnd)
END_MESSAGE_MAP()

void CComposerDlg::DoDataExchange(CDataExchange* pDX)
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
}

}  // namespace twinwave
