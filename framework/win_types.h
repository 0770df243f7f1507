#pragma once

#include <cstdint>

// The basic types of the window system the framework presents. Window and paint-context
// handles are the toolkit objects behind them; code outside the framework only passes
// them around.
class QWidget;
class QPainter;
struct IconObject;

using BOOL = int;
inline constexpr BOOL TRUE = 1;
inline constexpr BOOL FALSE = 0;

using UINT = unsigned int;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

using HWND = QWidget*;
using HDC = QPainter*;
using HICON = const IconObject*;
using HCURSOR = HICON;

struct POINT {
    int x = 0;
    int y = 0;
};

struct RECT {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};
using LPRECT = RECT*;

class CPoint : public POINT {
public:
    constexpr CPoint() = default;
    // Assigned in the body: the static analyzer loses members set by a base's brace list.
    constexpr CPoint(int initX, int initY)
    {
        x = initX;
        y = initY;
    }
    constexpr bool operator==(const CPoint& other) const { return x == other.x && y == other.y; }
};

class CSize {
public:
    int cx = 0;
    int cy = 0;
    constexpr bool operator==(const CSize&) const = default;
};

class CRect : public RECT {
public:
    constexpr CRect() = default;
    constexpr CRect(int l, int t, int r, int b)
    {
        left = l;
        top = t;
        right = r;
        bottom = b;
    }
    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr bool operator==(const CRect& other) const
    {
        return left == other.left && top == other.top && right == other.right &&
               bottom == other.bottom;
    }
};
