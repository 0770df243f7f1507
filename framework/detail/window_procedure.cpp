#include "framework/detail/window_procedure.h"

#include "framework/detail/dialog_window.h"
#include "framework/detail/qt_text.h"
#include "framework/win_constants.h"
#include "framework/window_styles.h"

#include <QComboBox>
#include <QPainter>

namespace detail {

namespace {

bool IsSorted(const QComboBox& combo)
{
    const DialogControl* control = DialogWindow::ControlOf(&combo);
    return control != nullptr && (control->item->style & CBS_SORT) != 0;
}

// A sorted list places a new string after every string that is not greater, comparing
// the UTF-8 bytes (so hex address labels stay in ascending order).
int SortedPlace(const QComboBox& combo, const std::string& text)
{
    int place = 0;
    while (place < combo.count() && ToBytes(combo.itemText(place)) <= text)
        ++place;
    return place;
}

LRESULT ComboBoxProc(QComboBox& combo, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case CB_ADDSTRING: {
        const char* bytes = reinterpret_cast<const char*>(lParam);
        const std::string text = bytes != nullptr ? bytes : "";
        const int place = IsSorted(combo) ? SortedPlace(combo, text) : combo.count();
        // A list without a selection keeps none; the toolkit would select the first item.
        const bool hadSelection = combo.currentIndex() >= 0;
        combo.insertItem(place, ToQString(text));
        if (!hadSelection)
            combo.setCurrentIndex(-1);
        return place;
    }
    case CB_GETCOUNT:
        return combo.count();
    case CB_GETCURSEL:
        return combo.currentIndex();
    case CB_SETCURSEL: {
        // Programmatic: QComboBox::activated, the user's choice, is not emitted.
        const auto index = static_cast<int>(static_cast<std::intptr_t>(wParam));
        if (index < 0 || index >= combo.count()) {
            combo.setCurrentIndex(-1);
            return CB_ERR;
        }
        combo.setCurrentIndex(index);
        return index;
    }
    default:
        return 0;
    }
}

bool IsComboBoxMessage(UINT message)
{
    return message == CB_ADDSTRING || message == CB_GETCOUNT || message == CB_GETCURSEL ||
           message == CB_SETCURSEL;
}

}  // namespace

LRESULT DefaultWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (window == nullptr)
        return 0;
    if (IsComboBoxMessage(message)) {
        auto* combo = qobject_cast<QComboBox*>(window);
        return combo != nullptr ? ComboBoxProc(*combo, message, wParam, lParam) : CB_ERR;
    }
    switch (message) {
    case WM_SETICON: {
        DialogWindow* dialog = DialogWindow::Of(window);
        if (dialog == nullptr)
            return 0;
        const HICON previous = dialog->SetIcon(reinterpret_cast<HICON>(lParam), wParam == ICON_BIG);
        return reinterpret_cast<LRESULT>(previous);
    }
    case WM_ICONERASEBKGND: {
        auto* painter = reinterpret_cast<QPainter*>(wParam);
        if (painter == nullptr)
            return 0;
        painter->fillRect(window->rect(), window->palette().window());
        return 1;
    }
    default:
        return 0;
    }
}

}  // namespace detail
