#pragma once

#include "framework/detail/control_kind.h"
#include "framework/qt/dialog_units.h"

class QWidget;

namespace detail {

// Creates the control `item` asks for as a child of `parent` (whose font it takes),
// configured by its styles and placed at its rectangle.
QWidget* CreateControl(const DialogItemTemplate& item, ControlKind kind, QWidget* parent,
                       DialogBaseUnits baseUnits);

}  // namespace detail
