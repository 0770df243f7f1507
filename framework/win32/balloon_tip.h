#pragma once

#include "framework/win32/windows_api.h"

#include <string>

namespace detail {

// A message in a balloon at the lower edge of control `beside`, under `title` unless it is
// empty, until the next click or key anywhere in the program's thread; it replaces a balloon
// already shown. Its window is named after the message.
void ShowBalloonTip(HWND beside, const std::wstring& title, const std::wstring& message);
void HideBalloonTip();

}  // namespace detail
