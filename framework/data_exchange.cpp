#include "framework/data_exchange.h"

#include "framework/detail/backend.h"
#include "framework/detail/control_kind.h"

#include <charconv>
#include <string>
#include <utility>
#include <vector>

namespace {

// The radio buttons from control `firstId` to the template's end: a program's one radio
// group, which no later control with WS_GROUP ends.
std::vector<HWND> RadioGroupFrom(const CWnd& dialog, int firstId)
{
    std::vector<HWND> radios;
    const detail::DialogWindowBase* window = detail::DialogWindowOf(dialog.GetSafeHwnd());
    if (window == nullptr)  // GCOVR_EXCL_BR_LINE: a dialog exchanges once its window exists
        return radios;
    bool inGroup = false;
    for (const DialogItemTemplate& item : window->Items()) {
        inGroup = inGroup || item.id == firstId;
        if (inGroup && detail::KindOf(item) == detail::ControlKind::RadioButton)
            radios.push_back(dialog.GetDlgItem(item.id));
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
    if (pDX->m_bSaveAndValidate) {
        const std::string text = detail::WindowText(edit);
        value = 0;
        std::from_chars(text.data(), text.data() + text.size(), value);
    } else {
        detail::SetWindowText(edit, std::to_string(value));
    }
}

// Checking one radio button clears the others, and -1 checks none. The programs write -1
// only before any radio button is checked.
void DDX_Radio(CDataExchange* pDX, int id, int& value)
{
    const std::vector<HWND> radios = RadioGroupFrom(*pDX->m_pDlgWnd, id);
    if (!pDX->m_bSaveAndValidate) {
        for (std::size_t i = 0; i < radios.size(); ++i)
            detail::SetChecked(radios[i], std::cmp_equal(i, value));
        return;
    }
    value = -1;
    for (std::size_t i = 0; i < radios.size(); ++i) {
        if (detail::IsChecked(radios[i]))
            value = static_cast<int>(i);
    }
}
