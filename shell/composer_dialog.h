#pragma once

#include "core/composer.h"
#include "core/duration_groups.h"
#include "core/paste_message.h"
#include "core/program.h"
#include "framework/framework.h"
#include "shell/composer_resources.h"
#include "shell/minimised_icon.h"
#include "shell/process_state.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <string>

// The order in which a dialog exchanges its members with the controls.
enum class ExchangeOrder {
    ListFirst,    // region list, output box, count, budget, durations, total, radio group
    OutputFirst,  // output box, region list, radio group, count, budget, durations, total
};

// A composer program as its dialog sees it.
struct ComposerProgram {
    const Program& program;
    const ComposerResources& resources;
    ExchangeOrder exchangeOrder;
};

// The dialog of composer program `P` (each program's CComposerDlg): the set-up, the
// exchange contract of every operation (through the core's Composer), the region change,
// one handler for all push buttons, the painting while minimised and the drag icon. The
// program's resources must be the resource handle when the dialog is made (the
// application sets them).
template <const ComposerProgram& P>
class ComposerDialog : public CDialog, private ComposerView {
public:
    // The dialog on the process's state unless a test brings a fresh one.
    explicit ComposerDialog(CWnd* parent = nullptr, ComposerState& state = ProcessComposerState())
        : CDialog(IDD_COMPOSER, parent), composer_(P.program.channel, state, *this)
    {
    }

protected:
    CComboBox regionList;
    CEdit outputBox;
    int byteCount = 0;
    int byteBudget = 0;
    int durations[kLengthPositions] = {};
    int durationTotal = 0;
    int lengthIndex = -1;
    HICON icon = AfxGetApp()->LoadIcon(IDI_COMPOSER);

    void DoDataExchange(CDataExchange* pDX) override
    {
        CDialog::DoDataExchange(pDX);
        const ComposerControlIds& ids = P.program.ids;
        if (P.exchangeOrder == ExchangeOrder::ListFirst) {
            DDX_Control(pDX, ids.regionList, regionList);
            DDX_Control(pDX, ids.output, outputBox);
            ExchangeNumbers(pDX);
            DDX_Radio(pDX, ids.firstLength, lengthIndex);
        } else {
            DDX_Control(pDX, ids.output, outputBox);
            DDX_Control(pDX, ids.regionList, regionList);
            DDX_Radio(pDX, ids.firstLength, lengthIndex);
            ExchangeNumbers(pDX);
        }
    }

    // Fill the list and write the fields (base), set the icons, select the current region
    // without a notification, reset for it, check radio position 0; TRUE gives the focus to
    // the first tab stop, the region list.
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        SetIcon(icon, TRUE);
        SetIcon(icon, FALSE);
        regionList.SetCurSel(composer_.State().currentRegion);
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
        PaintMinimisedIcon(dc, client, {GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)}, icon);
    }

    HCURSOR OnQueryDragIcon() { return icon; }

    void OnSelchangeRegion() { composer_.ChangeRegion(regionList.GetCurSel()); }

    // Bytes pasted into the output box are entered as the clicks that write them; a paste
    // that cannot be entered whole changes nothing, sounds the alert and says why beside the
    // box.
    void OnEditPaste()
    {
        CString text;
        AfxGetClipboardText(text);
        if (const std::optional<BytesRefusal> refusal = composer_.Paste(P.program, text.Str())) {
            MessageBeep(MB_ICONWARNING);
            outputBox.ShowBalloonTip("", PasteRefusalMessage(*refusal).c_str());
        }
    }

    // A key, the rest, "←" or the end button; a key captioned "x" does nothing at all.
    void OnButton(UINT id)
    {
        // The message map sends the program's push buttons only.
        if (const std::optional<Edit> edit = ButtonEdit(P.program, static_cast<int>(id)))  // GCOVR_EXCL_BR_LINE
            composer_.Run(*edit);
    }

    DECLARE_MESSAGE_MAP()

private:
    void ExchangeNumbers(CDataExchange* pDX)
    {
        const ComposerControlIds& ids = P.program.ids;
        DDX_Text(pDX, ids.count, byteCount);
        DDX_Text(pDX, ids.budget, byteBudget);
        for (int i = 0; i < kLengthPositions; ++i)
            DDX_Text(pDX, ids.firstDuration + i, durations[i]);
        DDX_Text(pDX, ids.total, durationTotal);
    }

    void ReadFields(ComposerFields& fields, std::string& outputText) override
    {
        UpdateData(TRUE);
        fields.byteCount = byteCount;
        fields.byteBudget = byteBudget;
        std::ranges::copy(durations, fields.durations.begin());
        fields.durationTotal = durationTotal;
        fields.lengthIndex = lengthIndex;
        CString text;
        outputBox.GetWindowText(text);
        outputText = text.Str();
    }

    void WriteFields(const ComposerFields& fields) override
    {
        byteCount = fields.byteCount;
        byteBudget = fields.byteBudget;
        std::ranges::copy(fields.durations, std::begin(durations));
        durationTotal = fields.durationTotal;
        lengthIndex = fields.lengthIndex;
        UpdateData(FALSE);
    }

    void SetOutputText(const std::string& text) override { outputBox.SetWindowText(text.c_str()); }

    Composer composer_;
};

// The guard of a static.
BEGIN_TEMPLATE_MESSAGE_MAP(ComposerDialog, const ComposerProgram&, P, CDialog)  // GCOVR_EXCL_BR_LINE
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_CBN_SELCHANGE(P.program.ids.regionList, OnSelchangeRegion)
    ON_COMMAND(ID_EDIT_PASTE, OnEditPaste)
    ON_CONTROL_RANGE(BN_CLICKED, P.program.keys.front().controlId, P.program.keys.back().controlId, OnButton)
    // "休", "←" and the end button, each a range of one.
    ON_CONTROL_RANGE(BN_CLICKED, P.program.ids.rest, P.program.ids.rest, OnButton)
    ON_CONTROL_RANGE(BN_CLICKED, P.program.ids.back, P.program.ids.back, OnButton)
    ON_CONTROL_RANGE(BN_CLICKED, P.program.ids.end, P.program.ids.end, OnButton)
END_MESSAGE_MAP()
