#pragma once

// The Windows API for the backend's own files. The framework's headers come first: they
// declare the handles, BOOL and the system's functions as the system's headers do, and
// the message, style and metric constants that those headers then define again as macros
// with the same values. The macros that turn a function's name into its UTF-16 form would
// also rename the classic members of the same names, so they go: the backend calls the
// UTF-16 functions by their own names.
#include "framework/cdc.h"
#include "framework/cdialog.h"
#include "framework/controls.h"
#include "framework/cwinapp.h"
#include "framework/system_metrics.h"
#include "framework/win_constants.h"
#include "framework/window_styles.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <commctrl.h>

#undef GetWindowText
#undef LoadIcon
#undef SendMessage
#undef SetWindowText
