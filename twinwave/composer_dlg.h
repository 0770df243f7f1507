#pragma once

#include "twinwave/ids.h"
#include "shell/composer_dialog.h"

namespace twinwave {

// The square-wave-2 and triangle composer's dialog: a 60-key keyboard, a rest, "←" and "終". One handler per playing key; the keys captioned "x" have none.
class CComposerDlg : public ComposerDialog<CComposerDlg> {
    friend class ComposerDialog<CComposerDlg>;

public:
    explicit CComposerDlg(CWnd* parent = nullptr, ComposerState& state = ProcessComposerState());

protected:
    CEdit outputBox;
    CComboBox regionList;
    int lengthIndex = -1;
    int byteCount = 0;
    int byteBudget = 0;
    int durations[8] = {};
    int durationTotal = 0;
    HICON icon = AfxGetApp()->LoadIcon(IDI_COMPOSER);

    void DoDataExchange(CDataExchange* pDX) override;

    void OnKey1003() { Run(1003); }
    void OnKey1008() { Run(1008); }
    void OnKey1010() { Run(1010); }
    void OnKey1011() { Run(1011); }
    void OnKey1012() { Run(1012); }
    void OnKey1013() { Run(1013); }
    void OnKey1014() { Run(1014); }
    void OnKey1015() { Run(1015); }
    void OnKey1016() { Run(1016); }
    void OnKey1017() { Run(1017); }
    void OnKey1018() { Run(1018); }
    void OnKey1019() { Run(1019); }
    void OnKey1020() { Run(1020); }
    void OnKey1021() { Run(1021); }
    void OnKey1022() { Run(1022); }
    void OnKey1023() { Run(1023); }
    void OnKey1024() { Run(1024); }
    void OnKey1025() { Run(1025); }
    void OnKey1026() { Run(1026); }
    void OnKey1027() { Run(1027); }
    void OnKey1028() { Run(1028); }
    void OnKey1029() { Run(1029); }
    void OnKey1030() { Run(1030); }
    void OnKey1031() { Run(1031); }
    void OnKey1032() { Run(1032); }
    void OnKey1033() { Run(1033); }
    void OnKey1034() { Run(1034); }
    void OnKey1035() { Run(1035); }
    void OnKey1036() { Run(1036); }
    void OnKey1037() { Run(1037); }
    void OnKey1038() { Run(1038); }
    void OnKey1039() { Run(1039); }
    void OnKey1040() { Run(1040); }
    void OnKey1041() { Run(1041); }
    void OnKey1042() { Run(1042); }
    void OnKey1043() { Run(1043); }
    void OnKey1044() { Run(1044); }
    void OnKey1045() { Run(1045); }
    void OnKey1046() { Run(1046); }
    void OnKey1047() { Run(1047); }
    void OnKey1048() { Run(1048); }
    void OnKey1049() { Run(1049); }
    void OnKey1051() { Run(1051); }
    void OnKey1052() { Run(1052); }
    void OnKey1054() { Run(1054); }
    void OnKey1056() { Run(1056); }
    void OnKey1058() { Run(1058); }
    void OnKey1060() { Run(1060); }
    void OnKey1062() { Run(1062); }
    void OnRest() { Run(IDC_REST); }
    void OnBack() { Run(IDC_BACK); }
    void OnEnd() { Run(IDC_END); }

    DECLARE_MESSAGE_MAP()
};

}  // namespace twinwave
