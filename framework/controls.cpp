#include "framework/controls.h"

#include <QComboBox>

int CComboBox::GetCurSel() const
{
    return qobject_cast<const QComboBox*>(GetSafeHwnd())->currentIndex();
}

void CComboBox::SetCurSel(int index)
{
    // Programmatic: QComboBox::activated, the user's choice, is not emitted.
    auto* combo = qobject_cast<QComboBox*>(GetSafeHwnd());
    combo->setCurrentIndex(index < combo->count() ? index : -1);
}
