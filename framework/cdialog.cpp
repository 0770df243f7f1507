#include "framework/cdialog.h"

#include "framework/cwinapp.h"
#include "framework/detail/dialog_window.h"
#include "framework/detail/qt_text.h"
#include "framework/resources.h"
#include "framework/window_styles.h"

#include <QComboBox>

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(int templateId, CWnd* /*parent*/) : templateId_(templateId) {}

CDialog::~CDialog() = default;

bool CDialog::CreateAndInitialise()
{
    const DialogTemplate* dialogTemplate = AfxFindDialogTemplate(templateId_);
    if (dialogTemplate == nullptr)
        return false;
    window_ = detail::DialogWindow::Create(*this, *dialogTemplate, nullptr);
    window_->NameControls(AfxFindControlNames(templateId_));
    AttachWindow(window_.get());
    OnInitDialog();
    return true;
}

int CDialog::DoModal()
{
    if (!CreateAndInitialise())
        return -1;
    if (!endCode_)
        endCode_ = window_->exec();
    window_.reset();
    return *endCode_;
}

BOOL CDialog::Create()
{
    if (!CreateAndInitialise())
        return FALSE;
    if (!endCode_)
        window_->show();
    return TRUE;
}

void CDialog::EndDialog(int result)
{
    endCode_ = result;
    window_->done(result);
}

DialogBaseUnits CDialog::GetDialogBaseUnits() const
{
    return window_->BaseUnits();
}

BOOL CDialog::OnInitDialog()
{
    if (!ExecuteDialogInit()) {
        EndDialog(-1);
        return FALSE;
    }
    UpdateData(FALSE);
    return TRUE;
}

// Each record adds its text to a combo box; a sorted list places it after every item that
// is not greater, comparing the UTF-8 bytes (so hex address labels stay in ascending order).
bool CDialog::ExecuteDialogInit()
{
    for (const DialogInitRecord& record : AfxFindDialogInit(templateId_)) {
        const detail::DialogControl* control = window_->FindControl(record.controlId);
        if (control == nullptr || control->kind != detail::ControlKind::ComboBox ||
            record.message != DLGINIT_CB_ADDSTRING)
            return false;
        auto& combo = *static_cast<QComboBox*>(control->widget);
        const std::string text = record.text;
        int place = combo.count();
        if ((control->item->style & CBS_SORT) != 0) {
            place = 0;
            while (place < combo.count() && detail::ToBytes(combo.itemText(place)) <= text)
                ++place;
        }
        // A list without a selection keeps none; the toolkit would select the first item.
        const bool hadSelection = combo.currentIndex() >= 0;
        combo.insertItem(place, detail::ToQString(text));
        if (!hadSelection)
            combo.setCurrentIndex(-1);
    }
    return true;
}

void CDialog::OnOK()
{
    UpdateData(TRUE);
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

BOOL CDialog::OnCmdMsg(int id, int code)
{
    if (CWnd::OnCmdMsg(id, code))
        return TRUE;
    CWinApp* app = AfxGetApp();
    return app != nullptr ? app->OnCmdMsg(id, code) : FALSE;
}
