#include "framework/controls.h"

#include "framework/detail/qt_text.h"

#include <QComboBox>

int CComboBox::GetCount() const
{
    return static_cast<int>(::SendMessage(GetSafeHwnd(), CB_GETCOUNT));
}

int CComboBox::GetCurSel() const
{
    return static_cast<int>(::SendMessage(GetSafeHwnd(), CB_GETCURSEL));
}

int CComboBox::SetCurSel(int index)
{
    return static_cast<int>(::SendMessage(GetSafeHwnd(), CB_SETCURSEL, static_cast<WPARAM>(index)));
}

int CComboBox::AddString(const char* text)
{
    return static_cast<int>(::SendMessage(GetSafeHwnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
}

void CComboBox::GetLBText(int index, CString& text) const
{
    const auto* combo = qobject_cast<const QComboBox*>(GetSafeHwnd());
    text = combo != nullptr ? CString(detail::ToBytes(combo->itemText(index))) : CString();
}
