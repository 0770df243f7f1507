#pragma once

#include "rustle/ids.h"
#include "shell/composer_dialog.h"

namespace rustle {

// The noise composer's dialog: three sounds, a rest, "←" and "終".
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

    void OnNoise1() { Run(IDC_NOISE1); }
    void OnNoise2() { Run(IDC_NOISE2); }
    void OnNoise3() { Run(IDC_NOISE3); }
    void OnRest() { Run(IDC_REST); }
    void OnBack() { Run(IDC_BACK); }
    void OnEnd() { Run(IDC_END); }

    DECLARE_MESSAGE_MAP()
};

}  // namespace rustle
