#pragma once

#include "framework/dialog_template.h"
#include "framework/win_types.h"

namespace detail {

// The kinds of control a template can ask for.
enum class ControlKind {
    PushButton,
    RadioButton,
    Edit,           // single-line
    MultiLineEdit,
    ComboBox,
    Static,
};

// One control of a dialog, in template order.
struct DialogControl {
    const DialogItemTemplate* item;
    ControlKind kind;
    HWND window;
};

// The kind the template's class and style ask for.
ControlKind KindOf(const DialogItemTemplate& item);

}  // namespace detail
