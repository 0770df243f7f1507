#pragma once

#include "framework/win_types.h"

// Command ids, window messages and notification codes, with the values the old
// dialog platform gives them.

// Commands.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int ID_HELP = 0xE146;  // 57670

// Window messages.
inline constexpr UINT WM_PAINT = 0x000F;
inline constexpr UINT WM_ICONERASEBKGND = 0x0027;
inline constexpr UINT WM_QUERYDRAGICON = 0x0037;
inline constexpr UINT WM_COMMAND = 0x0111;

// Notification codes carried by WM_COMMAND.
inline constexpr int BN_CLICKED = 0;
inline constexpr int CBN_SELCHANGE = 1;
