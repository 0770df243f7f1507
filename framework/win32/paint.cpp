#include "framework/cdc.h"

#include "framework/cwnd.h"
#include "framework/win32/windows_api.h"

namespace detail {

struct PaintContext {
    HWND window;
    PAINTSTRUCT paint;
};

}  // namespace detail

CDC::~CDC() = default;

BOOL CDC::DrawIcon(int x, int y, HICON icon)
{
    return hdc_ != nullptr ? ::DrawIcon(hdc_, x, y, icon) : FALSE;
}

CPaintDC::CPaintDC(CWnd* window) : paint_(std::make_unique<detail::PaintContext>())
{
    paint_->window = window->GetSafeHwnd();
    hdc_ = BeginPaint(paint_->window, &paint_->paint);
}

CPaintDC::~CPaintDC()
{
    EndPaint(paint_->window, &paint_->paint);
}
