#pragma once

#include "framework/win32/windows_api.h"

#include <string>

namespace detail {

// The answer to WM_GETOBJECT (`wParam`, `lParam`) for `control`, as screen readers and UI
// automation ask for it: for the control's client object, the system's standard object for
// the control, which does everything as for any such control, but named `name` and, unless
// `description` is empty, described by `description`. 0 for any other object or when the
// system makes none: the system's own answer.
LRESULT NamedAccessibleObject(HWND control, WPARAM wParam, LPARAM lParam, std::wstring name,
                              std::wstring description);

}  // namespace detail
