#include "framework/cdc.h"

#include "framework/cwnd.h"
#include "framework/detail/icon_object.h"
#include "framework/system_metrics.h"

#include <QImage>
#include <QPainter>
#include <QWidget>

CDC::~CDC() = default;

BOOL CDC::DrawIcon(int x, int y, HICON icon)
{
    if (hdc_ == nullptr || icon == nullptr)
        return FALSE;
    hdc_->drawImage(QRect(x, y, GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)), icon->standard);
    return TRUE;
}

CPaintDC::CPaintDC(CWnd* window)
{
    HWND widget = window != nullptr ? window->GetSafeHwnd() : nullptr;
    if (widget == nullptr)
        return;
    painter_ = std::make_unique<QPainter>(widget);
    if (painter_->isActive())
        hdc_ = painter_.get();
}

CPaintDC::~CPaintDC() = default;

struct CMemoryDC::Bitmap {
    QImage image;
    QPainter painter;
};

CMemoryDC::CMemoryDC(int width, int height, COLORREF background) : bitmap_(std::make_unique<Bitmap>())
{
    bitmap_->image = QImage(width, height, QImage::Format_ARGB32);
    bitmap_->image.fill(QColor(static_cast<int>(background & 0xFF), static_cast<int>((background >> 8) & 0xFF),
                               static_cast<int>((background >> 16) & 0xFF)));
    bitmap_->painter.begin(&bitmap_->image);
    hdc_ = &bitmap_->painter;
}

CMemoryDC::~CMemoryDC()
{
    bitmap_->painter.end();
}

COLORREF CMemoryDC::GetPixel(int x, int y) const
{
    if (!bitmap_->image.valid(x, y))
        return CLR_INVALID;
    const QRgb pixel = bitmap_->image.pixel(x, y);
    return RGB(qRed(pixel), qGreen(pixel), qBlue(pixel));
}
