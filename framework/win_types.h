#pragma once

#include <cstdint>

// The basic types of the window system the framework presents. Code outside the framework
// only passes handles around: on Windows they are the system's own, declared as its headers
// declare them so that the backend can include both; elsewhere the toolkit objects behind them.
#ifdef _WIN32
struct HWND__;
struct HDC__;
struct HICON__;
using HWND = HWND__*;
using HDC = HDC__*;
using HICON = HICON__*;
#else
class QWidget;
class QPainter;
struct IconObject;
using HWND = QWidget*;
using HDC = QPainter*;
using HICON = const IconObject*;
#endif
using HCURSOR = HICON;

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
    constexpr bool operator==(const CRect&) const = default;
};
