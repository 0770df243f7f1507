#pragma once

// The handles of the Win32 backend and the system functions the programs call, declared as
// the system's headers declare them, so that the backend's files can include both.
struct HWND__;
struct HDC__;
struct HICON__;

using HWND = HWND__*;
using HDC = HDC__*;
using HICON = HICON__*;

extern "C" __declspec(dllimport) int __stdcall GetSystemMetrics(int index);
extern "C" __declspec(dllimport) int __stdcall MessageBeep(unsigned int type);
