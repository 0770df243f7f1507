#include "framework/cdialog.h"

#include "framework/cwinapp.h"
#include "framework/detail/dialog_window.h"
#include "framework/detail/qt_text.h"
#include "framework/resources.h"

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
    const int result = window_->exec();
    window_.reset();
    return result;
}

BOOL CDialog::Create()
{
    if (!CreateAndInitialise())
        return FALSE;
    window_->show();
    return TRUE;
}

void CDialog::EndDialog(int result)
{
    window_->done(result);
}

DialogBaseUnits CDialog::GetDialogBaseUnits() const
{
    return window_->BaseUnits();
}

BOOL CDialog::OnInitDialog()
{
    FillListsFromInitData();
    UpdateData(FALSE);
    return TRUE;
}

// Each record adds its text to its list at its sorted place, after every item that is not
// greater, comparing the UTF-8 bytes (so hex address labels stay in ascending order). Every
// list of the programs is sorted.
void CDialog::FillListsFromInitData()
{
    for (const DialogInitRecord& record : AfxFindDialogInit(templateId_)) {
        auto& combo = *qobject_cast<QComboBox*>(GetDlgItem(record.controlId));
        const std::string text = record.text;
        int place = 0;
        while (place < combo.count() && detail::ToBytes(combo.itemText(place)) <= text)
            ++place;
        combo.insertItem(place, detail::ToQString(text));
    }
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
