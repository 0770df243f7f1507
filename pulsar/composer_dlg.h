#pragma once

#include "pulsar/ids.h"
#include "shell/composer_dialog.h"

namespace pulsar {

// The square-wave-1 composer's dialog: a 33-key keyboard, a rest, "←" and "変". One handler per playing key; the keys captioned "x" have none.
class CComposerDlg : public ComposerDialog<CComposerDlg> {
    friend class ComposerDialog<CComposerDlg>;

public:
    explicit CComposerDlg(CWnd* parent = nullptr, ComposerState& state = ProcessComposerState());

protected:
    CComboBox regionList;
    CEdit outputBox;
    int byteCount = 0;
    int byteBudget = 0;
    int durations[8] = {};
    int durationTotal = 0;
    int lengthIndex = -1;
    HICON icon = AfxGetApp()->LoadIcon(IDI_COMPOSER);

    void DoDataExchange(CDataExchange* pDX) override;

    void OnKey1022() { Run(1022); }
    void OnKey1023() { Run(1023); }
    void OnKey1024() { Run(1024); }
    void OnKey1025() { Run(1025); }
    void OnKey1026() { Run(1026); }
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
    void OnKey1050() { Run(1050); }
    void OnKey1052() { Run(1052); }
    void OnKey1054() { Run(1054); }
    void OnRest() { Run(IDC_REST); }
    void OnBack() { Run(IDC_BACK); }
    void OnEnd() { Run(IDC_END); }

    DECLARE_MESSAGE_MAP()
};

}  // namespace pulsar
