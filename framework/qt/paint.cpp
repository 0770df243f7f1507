#include "framework/cdc.h"

#include "framework/cwnd.h"
#include "framework/qt/icon_object.h"
#include "framework/system_metrics.h"

#include <QPainter>
#include <QWidget>

namespace detail {

struct PaintContext {
    explicit PaintContext(QWidget* window) : painter(window) {}  // GCOVR_EXCL_BR_LINE: the null test of the conversion
    QPainter painter;
};

}  // namespace detail

BOOL CDC::DrawIcon(int x, int y, HICON icon)
{
    if (hdc_ == nullptr)  // GCOVR_EXCL_BR_LINE: painted only in the toolkit's paint event
        return FALSE;
    hdc_->drawImage(QRect(x, y, GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)), icon->standard);
    return TRUE;
}

CPaintDC::CPaintDC(CWnd* window) : paint_(std::make_unique<detail::PaintContext>(window->GetSafeHwnd()))
{
    if (paint_->painter.isActive())  // GCOVR_EXCL_BR_LINE: painted only in the toolkit's paint event
        hdc_ = &paint_->painter;
}

CPaintDC::~CPaintDC() = default;
