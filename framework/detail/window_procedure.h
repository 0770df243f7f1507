#pragma once

#include "framework/win_types.h"

namespace detail {

// What a window does with a message nobody handled: the combo box messages, the window
// icons, erasing the background under a minimised window's icon.
LRESULT DefaultWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace detail
