#pragma once

#include "core/composer.h"
#include "core/program.h"
#include "framework/framework.h"
#include "shell/minimised_icon.h"
#include "shell/process_state.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <string>
#include <type_traits>

// The dialog frame that the composer programs share. `Dialog` is a program's own
// CComposerDlg, derived from ComposerDialog<CComposerDlg>. It declares, in whatever order
// it likes and accessible to this base, the members
//
//     CComboBox regionList;   CEdit outputBox;
//     int byteCount = 0;      int byteBudget = 0;     int durations[8] = {};
//     int durationTotal = 0;  int lengthIndex = -1;
//     HICON icon = AfxGetApp()->LoadIcon(IDI_COMPOSER);
//
// and supplies its DoDataExchange (its own exchange order), its message map and one-line
// button handlers that call Run. This base does the rest: the set-up, the exchange
// contract of every operation (through the core's Composer), the region change, the
// painting while minimised and the drag icon.
template <class Dialog>
class ComposerDialog : public CDialog, private ComposerView {
public:
    // The dialog of `program` from template `templateId`. The state is the process's own
    // unless a test brings a fresh one.
    ComposerDialog(int templateId, const Program& program, CWnd* parent = nullptr,
                   ComposerState& state = ProcessComposerState())
        : CDialog(templateId, parent), program_(program), composer_(program.channel, state, *this)
    {
    }

protected:
    // Fill the list and write the fields (base), set the icons, select the current region
    // without a notification, reset for it, check radio position 0; TRUE gives the focus to
    // the first tab stop, the region list.
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        SetIcon(Self().icon, TRUE);
        SetIcon(Self().icon, FALSE);
        Self().regionList.SetCurSel(composer_.State().currentRegion);
        composer_.SetUp();
        return TRUE;
    }

    void OnPaint()
    {
        if (!IsIconic()) {
            CDialog::OnPaint();
            return;
        }
        CPaintDC dc(this);
        SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
        CRect client;
        GetClientRect(&client);
        PaintMinimisedIcon(dc, client, {GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)},
                           Self().icon);
    }

    HCURSOR OnQueryDragIcon() { return Self().icon; }

    // The region list's selection-change handler.
    void OnSelchangeRegion() { composer_.ChangeRegion(Self().regionList.GetCurSel()); }

    // Runs the edit behind push button `controlId` (nothing for a key without a meaning).
    void Run(int controlId)
    {
        if (const std::optional<Edit> edit = program_.buttonEdit(controlId))
            composer_.Run(*edit);
    }
    void Run(Edit edit) { composer_.Run(edit); }

private:
    Dialog& Self() { return static_cast<Dialog&>(*this); }

    void ReadFields(ComposerFields& fields, std::string& outputText) override
    {
        UpdateData(TRUE);
        const Dialog& self = Self();
        static_assert(std::extent_v<decltype(self.durations)> == std::tuple_size_v<decltype(fields.durations)>);
        fields.byteCount = self.byteCount;
        fields.byteBudget = self.byteBudget;
        std::ranges::copy(self.durations, fields.durations.begin());
        fields.durationTotal = self.durationTotal;
        fields.lengthIndex = self.lengthIndex;
        CString text;
        self.outputBox.GetWindowText(text);
        outputText = text.Str();
    }

    void WriteFields(const ComposerFields& fields) override
    {
        Dialog& self = Self();
        self.byteCount = fields.byteCount;
        self.byteBudget = fields.byteBudget;
        std::ranges::copy(fields.durations, std::begin(self.durations));
        self.durationTotal = fields.durationTotal;
        self.lengthIndex = fields.lengthIndex;
        UpdateData(FALSE);
    }

    void SetOutputText(const std::string& text) override { Self().outputBox.SetWindowText(text.c_str()); }

    const Program& program_;
    Composer composer_;
};
