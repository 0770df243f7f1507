#pragma once

#include "rustle/ids.h"
#include "rustle/noise_channel.h"
#include "shell/composer_dialog.h"

#include <string>
#include <vector>

// A composer program's dialog as a program declares it, on the noise voice, with a small
// template of its own (resource rustle::IDD_COMPOSER of the test executable). It declares
// its members and runs its exchange in the other order the programs use (output box
// first, the radio group before the numbers), and logs every exchange.
class TestComposerDlg : public ComposerDialog<TestComposerDlg> {
public:
    explicit TestComposerDlg(CWnd* parent = nullptr, ComposerState& state = ProcessComposerState())
        : ComposerDialog(rustle::IDD_COMPOSER, rustle::kProgram, parent, state)
    {
    }

    CEdit outputBox;
    CComboBox regionList;
    int lengthIndex = -1;
    int byteCount = 0;
    int byteBudget = 0;
    int durations[8] = {};
    int durationTotal = 0;
    HICON icon = AfxGetApp()->LoadIcon(rustle::IDI_COMPOSER);

    // One line per exchange: "write len=-1 sel=-1 icon=0" (values as written, or as read).
    std::vector<std::string> exchanges;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    void OnNoise1() { Run(rustle::IDC_NOISE1); }
    void OnRest() { Run(rustle::IDC_REST); }
    void OnBack() { Run(rustle::IDC_BACK); }
    void OnEnd() { Run(Edit{EditKind::EndMarker}); }

    DECLARE_MESSAGE_MAP()
};
