#pragma once

#include "rustle/composer_program.h"
#include "tests/support/widget_driver.h"

#include <QDialog>

#include <gtest/gtest.h>

#include <string>
#include <vector>

// A dialog of the tests' own over the noise program's template and resources, whose
// handlers record what reached them: the region list's selection changes, the rest button,
// the first two sound keys through one range (the third, next to it, has no entry), the
// paints, the drag icon and the paste command, which reads the clipboard.
class NoiseDialog : public CDialog {
public:
    static constexpr const ComposerControlIds& ids = rustle::kIds;
    static constexpr int kSounds[] = {rustle::kKeys[0].controlId, rustle::kKeys[1].controlId,
                                      rustle::kKeys[2].controlId};

    explicit NoiseDialog(const ResourceTable& resources = rustle::kComposer.resources.Table()) : CDialog(IDD_COMPOSER)
    {
        AfxSetResourceHandle(resources);
    }

    CComboBox list;
    CEdit output;
    int count = 0;
    int length = -1;
    std::vector<int> selections;  // the list's selection at each change
    std::vector<int> clicks;      // the ids of the buttons whose handlers ran
    std::vector<std::string> pastes;  // the clipboard's text at each paste command
    int paints = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    void OnPaint()
    {
        ++paints;
        CDialog::OnPaint();
    }
    HCURSOR OnQueryDragIcon() { return AfxGetApp()->LoadIcon(IDI_COMPOSER); }
    void OnListChange() { selections.push_back(list.GetCurSel()); }
    void OnRest() { clicks.push_back(ids.rest); }
    void OnSound(UINT id) { clicks.push_back(static_cast<int>(id)); }
    void OnPaste()
    {
        CString text;
        AfxGetClipboardText(text);
        pastes.push_back(text.Str());
    }

    DECLARE_MESSAGE_MAP()
};

// The code `dialog` was ended with; 0 while it is open.
inline int EndCode(const CDialog& dialog)
{
    const auto* window = qobject_cast<const QDialog*>(dialog.GetSafeHwnd());
    return window->isVisible() ? 0 : window->result();
}

// A NoiseDialog created modeless and active, after its initialisation.
class ShownNoiseDialog : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(ShowActive(dialog)); }

    static constexpr const ComposerControlIds& ids = NoiseDialog::ids;
    NoiseDialog dialog;
};
