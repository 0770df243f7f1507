#include "framework/data_exchange.h"

#include "framework/detail/dialog_window.h"
#include "framework/detail/window_text.h"
#include "framework/window_styles.h"

#include <QAbstractButton>
#include <QButtonGroup>

#include <vector>

namespace {

std::vector<QAbstractButton*> RadioGroupFrom(const detail::DialogWindow& dialog, int firstId)
{
    std::vector<QAbstractButton*> radios;
    bool inGroup = false;
    for (const detail::DialogControl& control : dialog.Controls()) {
        if (inGroup && (control.item->style & WS_GROUP) != 0)
            break;
        if (control.item->id == firstId)
            inGroup = true;
        if (inGroup && control.kind == detail::ControlKind::RadioButton)
            radios.push_back(static_cast<QAbstractButton*>(control.widget));
    }
    return radios;
}

// Checks radio `position` and clears the others; -1 clears them all. An exclusive group
// refuses to clear its last checked button, so exclusivity is lifted meanwhile.
void CheckOnly(const std::vector<QAbstractButton*>& radios, int position)
{
    QButtonGroup* group = radios.front()->group();
    group->setExclusive(false);
    for (std::size_t i = 0; i < radios.size(); ++i)
        radios[i]->setChecked(static_cast<int>(i) == position);
    group->setExclusive(true);
}

}  // namespace

void DDX_Control(CDataExchange* pDX, int id, CWnd& control)
{
    if (control.GetSafeHwnd() == nullptr)
        control.SubclassDlgItem(id, pDX->m_pDlgWnd);
}

void DDX_Text(CDataExchange* pDX, int id, int& value)
{
    HWND edit = pDX->m_pDlgWnd->GetDlgItem(id);
    if (pDX->m_bSaveAndValidate)
        value = detail::WindowText(edit).toInt();
    else
        detail::SetWindowText(edit, QString::number(value));
}

void DDX_Radio(CDataExchange* pDX, int id, int& value)
{
    const std::vector<QAbstractButton*> radios =
        RadioGroupFrom(*detail::DialogWindow::Of(pDX->m_pDlgWnd->GetSafeHwnd()), id);
    if (!pDX->m_bSaveAndValidate) {
        CheckOnly(radios, value);
        return;
    }
    value = -1;
    for (std::size_t i = 0; i < radios.size(); ++i) {
        if (radios[i]->isChecked())
            value = static_cast<int>(i);
    }
}
