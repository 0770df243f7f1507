#include "framework/detail/dialog_control.h"

#include "framework/window_styles.h"

#include <cctype>
#include <string_view>

namespace detail {

bool IsOfClass(const DialogItemTemplate& item, const char* windowClass)
{
    const std::string_view left = item.windowClass != nullptr ? item.windowClass : "";
    const std::string_view right = windowClass != nullptr ? windowClass : "";
    if (left.size() != right.size())
        return false;
    for (std::size_t i = 0; i < left.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(left[i])) !=
            std::toupper(static_cast<unsigned char>(right[i])))
            return false;
    }
    return true;
}

std::optional<ControlKind> KindOf(const DialogItemTemplate& item)
{
    if (IsOfClass(item, "BUTTON")) {
        switch (item.style & BS_TYPEMASK) {
        case BS_PUSHBUTTON: return ControlKind::PushButton;
        case BS_AUTORADIOBUTTON: return ControlKind::RadioButton;
        default: return std::nullopt;
        }
    }
    if (IsOfClass(item, "EDIT"))
        return (item.style & ES_MULTILINE) != 0 ? ControlKind::MultiLineEdit : ControlKind::Edit;
    if (IsOfClass(item, "COMBOBOX")) {
        const std::uint32_t type = item.style & CBS_TYPEMASK;
        if (type == CBS_DROPDOWN || type == CBS_DROPDOWNLIST)
            return ControlKind::ComboBox;
        return std::nullopt;
    }
    if (IsOfClass(item, "STATIC")) {
        const std::uint32_t type = item.style & SS_TYPEMASK;
        if (type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT)
            return ControlKind::Static;
        return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace detail
