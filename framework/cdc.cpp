#include "framework/cdc.h"

#include "framework/cwnd.h"
#include "framework/detail/icon_object.h"
#include "framework/system_metrics.h"

#include <QPainter>
#include <QWidget>

CDC::~CDC() = default;

BOOL CDC::DrawIcon(int x, int y, HICON icon)
{
    if (hdc_ == nullptr)
        return FALSE;
    hdc_->drawImage(QRect(x, y, GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)), icon->standard);
    return TRUE;
}

CPaintDC::CPaintDC(CWnd* window) : painter_(std::make_unique<QPainter>(window->GetSafeHwnd()))
{
    if (painter_->isActive())
        hdc_ = painter_.get();
}

CPaintDC::~CPaintDC() = default;
