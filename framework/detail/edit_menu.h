#pragma once

#include "framework/win_constants.h"

#include <array>

// The context menu of a read-only multi-line box, in both backends: copy the selection, paste
// (the dialog's command), select the whole text. The programs' interface is Japanese.
namespace detail {

struct EditMenuItem {
    int command;
    const char* caption;  // UTF-8, '&' before the access key
};

inline constexpr std::array<EditMenuItem, 3> kEditMenu = {{
    {ID_EDIT_COPY, "コピー(&C)"},
    {ID_EDIT_PASTE, "貼り付け(&P)"},
    {ID_EDIT_SELECT_ALL, "すべて選択(&A)"},
}};

}  // namespace detail
