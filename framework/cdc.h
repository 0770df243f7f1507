#pragma once

#include "framework/win_types.h"

#include <memory>

class CWnd;

// A paint context.
class CDC {
public:
    CDC() = default;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    virtual ~CDC();

    HDC GetSafeHdc() const { return hdc_; }
    // Draws `icon` at its standard size with its top left corner at (x, y).
    BOOL DrawIcon(int x, int y, HICON icon);

protected:
    HDC hdc_ = nullptr;
};

// The paint context of a window while it handles WM_PAINT.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* window);
    ~CPaintDC() override;

private:
    std::unique_ptr<QPainter> painter_;
};

// A paint context over an off-screen bitmap that can be read back pixel by pixel.
class CMemoryDC : public CDC {
public:
    CMemoryDC(int width, int height, COLORREF background);
    ~CMemoryDC() override;

    COLORREF GetPixel(int x, int y) const;  // CLR_INVALID outside the bitmap

private:
    struct Bitmap;
    std::unique_ptr<Bitmap> bitmap_;
};

inline constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;
