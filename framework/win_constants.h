#pragma once

#include "framework/win_types.h"

// Command ids, window messages and notification codes, with the values the old
// dialog platform gives them.

// Commands.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int ID_HELP = 0xE146;  // 57670
// The edit commands of a read-only multi-line box's context menu. A paste there (the menu's
// item, Ctrl+V, Shift+Insert) is its dialog's command: the box itself takes no text.
inline constexpr int ID_EDIT_COPY = 0xE122;
inline constexpr int ID_EDIT_PASTE = 0xE125;
inline constexpr int ID_EDIT_SELECT_ALL = 0xE12A;

// Window messages.
inline constexpr UINT WM_PAINT = 0x000F;
inline constexpr UINT WM_ICONERASEBKGND = 0x0027;
inline constexpr UINT WM_QUERYDRAGICON = 0x0037;
inline constexpr UINT WM_COMMAND = 0x0111;

// The sound MessageBeep makes: the system's warning.
inline constexpr UINT MB_ICONWARNING = 0x0030;

// Notification codes carried by WM_COMMAND.
inline constexpr int BN_CLICKED = 0;
inline constexpr int CBN_SELCHANGE = 1;
