#pragma once

#include <cstdint>

// The basic types of the window system the framework presents. Code outside the framework
// only passes handles around; what each handle stands for is the backend's, declared in its
// own folder with the system functions the programs call (foot of this file).

using BOOL = int;
// The system's headers make these macros with the same values.
#ifndef TRUE
inline constexpr BOOL TRUE = 1;
inline constexpr BOOL FALSE = 0;
#endif

using UINT = unsigned int;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

class CPoint {
public:
    int x = 0;
    int y = 0;
    constexpr bool operator==(const CPoint&) const = default;
};

class CSize {
public:
    int cx = 0;
    int cy = 0;
    constexpr bool operator==(const CSize&) const = default;
};

class CRect {
public:
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr bool operator==(const CRect&) const = default;  // GCOVR_EXCL_BR_LINE: the compiler's comparison
};

// The backend the build compiles: the system's own API on Windows, Qt Widgets elsewhere.
#ifdef _WIN32
#include "framework/win32/platform.h"
#else
#include "framework/qt/platform.h"
#endif
using HCURSOR = HICON;
