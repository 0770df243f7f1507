#include "framework/controls.h"

#include "framework/detail/backend.h"
#include "framework/qt/dialog_window.h"
#include "framework/qt/qt_text.h"
#include "framework/window_styles.h"

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

// A sorted list places an item after every item that is not greater, comparing the UTF-8
// bytes (so hex address labels stay in ascending order).
void detail::AddListItem(HWND list, std::string_view text)
{
    auto& combo = *qobject_cast<QComboBox*>(list);
    const DialogControl* control = DialogWindow::ControlOf(list);
    int place = combo.count();
    if (control != nullptr && (control->item->style & CBS_SORT) != 0) {
        place = 0;
        while (place < combo.count() && ToBytes(combo.itemText(place)) <= text)
            ++place;
    }
    combo.insertItem(place, ToQString(text));
}
