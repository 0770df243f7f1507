#include "framework/cdc.h"

#include "framework/cwnd.h"
#include "framework/win32/windows_api.h"

namespace detail {

// The painting of a window from WM_PAINT's BeginPaint to its EndPaint.
struct PaintContext {
    explicit PaintContext(HWND painted) : window(painted), dc(BeginPaint(painted, &paint)) {}
    ~PaintContext() { EndPaint(window, &paint); }
    PaintContext(const PaintContext&) = delete;
    PaintContext& operator=(const PaintContext&) = delete;

    HWND window;
    PAINTSTRUCT paint{};
    HDC dc;
};

}  // namespace detail

BOOL CDC::DrawIcon(int x, int y, HICON icon)
{
    // Only the minimised painting draws here, which neither Windows nor Wine asks for.
    return hdc_ != nullptr ? ::DrawIcon(hdc_, x, y, icon) : FALSE;  // GCOVR_EXCL_BR_LINE
}

// As above: only the minimised painting paints here.
CPaintDC::CPaintDC(CWnd* window) : paint_(std::make_unique<detail::PaintContext>(window->GetSafeHwnd()))  // GCOVR_EXCL_BR_LINE
{
    hdc_ = paint_->dc;
}

CPaintDC::~CPaintDC() = default;
