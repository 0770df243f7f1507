#include "framework/data_exchange.h"

#include "framework/detail/dialog_window.h"
#include "framework/detail/window_text.h"

#include <QAbstractButton>

#include <vector>

namespace {

// The radio buttons from control `firstId` to the template's end: a program's one radio
// group, which no later control with WS_GROUP ends.
std::vector<QAbstractButton*> RadioGroupFrom(const detail::DialogWindow& dialog, int firstId)
{
    std::vector<QAbstractButton*> radios;
    bool inGroup = false;
    for (const detail::DialogControl& control : dialog.Controls()) {
        inGroup = inGroup || control.item->id == firstId;
        if (inGroup && control.kind == detail::ControlKind::RadioButton)
            radios.push_back(static_cast<QAbstractButton*>(control.widget));
    }
    return radios;
}

}  // namespace

// Binding the same control again changes nothing: every exchange binds.
void DDX_Control(CDataExchange* pDX, int id, CWnd& control)
{
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

// The radio buttons of a dialog exclude each other by themselves, as the toolkit's radio
// buttons of one parent do: checking one clears the rest. The programs write no position
// outside the group but -1 before any radio button is checked, which leaves them all clear.
void DDX_Radio(CDataExchange* pDX, int id, int& value)
{
    const std::vector<QAbstractButton*> radios =
        RadioGroupFrom(*detail::DialogWindow::Of(pDX->m_pDlgWnd->GetSafeHwnd()), id);
    if (!pDX->m_bSaveAndValidate) {
        if (value >= 0 && value < std::ssize(radios))
            radios[static_cast<std::size_t>(value)]->setChecked(true);
        return;
    }
    value = -1;
    for (std::size_t i = 0; i < radios.size(); ++i) {
        if (radios[i]->isChecked())
            value = static_cast<int>(i);
    }
}
