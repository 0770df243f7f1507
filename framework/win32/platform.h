#pragma once

// The handles of the Win32 backend and the system functions the programs call, declared as
// the system's headers declare them, so that the backend's files can include both.
using HWND = struct HWND__*;
using HDC = struct HDC__*;
using HICON = struct HICON__*;

extern "C" __declspec(dllimport) int __stdcall GetSystemMetrics(int index);
extern "C" __declspec(dllimport) int __stdcall MessageBeep(unsigned int type);
