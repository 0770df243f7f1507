#pragma once

#include "framework/win_types.h"

#include <memory>

class CWnd;
namespace detail {
struct PaintContext;
}

// A paint context.
class CDC {
public:
    CDC() = default;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    virtual ~CDC() = default;

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
    std::unique_ptr<detail::PaintContext> paint_;
};
