#pragma once

#include "framework/dialog_template.h"

#include <optional>

class QWidget;

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
    QWidget* widget;
};

// The kind the template's class and style ask for; nothing for one the framework lacks.
std::optional<ControlKind> KindOf(const DialogItemTemplate& item);

// Whether `item`'s window class is `windowClass`, compared as the platform does: ASCII,
// without regard to case.
bool IsOfClass(const DialogItemTemplate& item, const char* windowClass);

}  // namespace detail
