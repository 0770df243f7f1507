#include "framework/controls.h"

#include <QComboBox>

int CComboBox::GetCurSel() const
{
    return qobject_cast<const QComboBox*>(GetSafeHwnd())->currentIndex();
}

void CComboBox::SetCurSel(int index)
{
    // Programmatic: QComboBox::activated, the user's choice, is not emitted. An index that
    // names no item leaves none selected.
    qobject_cast<QComboBox*>(GetSafeHwnd())->setCurrentIndex(index);
}
