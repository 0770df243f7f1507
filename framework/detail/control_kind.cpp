#include "framework/detail/control_kind.h"

#include "framework/window_styles.h"

#include <string_view>

namespace detail {

ControlKind KindOf(const DialogItemTemplate& item)
{
    const std::string_view windowClass = item.windowClass;  // GCOVR_EXCL_BR_LINE: the sanitizer's checks
    if (windowClass == "BUTTON")
        return (item.style & BS_TYPEMASK) == BS_AUTORADIOBUTTON ? ControlKind::RadioButton : ControlKind::PushButton;
    if (windowClass == "EDIT")
        return (item.style & ES_MULTILINE) != 0 ? ControlKind::MultiLineEdit : ControlKind::Edit;
    if (windowClass == "COMBOBOX")
        return ControlKind::ComboBox;
    return ControlKind::Static;
}

}  // namespace detail
