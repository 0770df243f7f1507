#pragma once

#include "framework/dialog_template.h"
#include "framework/qt/dialog_units.h"

#include <QFont>

namespace detail {

// The template's font at the old platform's 96 dots per inch. A face that is not
// installed resolves to its metric-compatible stand-in, then to any Japanese font, so
// that every caption renders.
QFont MakeDialogFont(const DialogFont& font);

DialogBaseUnits BaseUnitsOf(const QFont& font);

}  // namespace detail
