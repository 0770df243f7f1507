#pragma once

#include "framework/dialog_template.h"

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

// The kind the template's class and style ask for.
ControlKind KindOf(const DialogItemTemplate& item);

}  // namespace detail
