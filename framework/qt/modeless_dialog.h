#pragma once

#include "framework/cdialog.h"
#include "framework/qt/dialog_units.h"

// What the tests and benchmarks that drive the Qt backend's widgets use besides the classic
// interface.

// Makes the window of `dialog`, runs OnInitDialog and shows it without waiting (modeless);
// FALSE when there is no such template. The window lives until the dialog object ends.
BOOL CreateModeless(CDialog& dialog);
// The base units of the dialog's font, for converting dialog units into pixels.
DialogBaseUnits GetDialogBaseUnits(const CDialog& dialog);
