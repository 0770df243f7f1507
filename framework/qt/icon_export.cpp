#include "framework/qt/icon_export.h"

#include "framework/qt/icon_image.h"
#include "framework/qt/text.h"

BOOL AfxSaveIconAsPng(int id, int size, const char* path)
{
    const QImage image = detail::IconImageOfSize(detail::IconImages(id), size);
    return !image.isNull() && image.save(detail::ToNative(path != nullptr ? path : ""), "PNG") ? TRUE : FALSE;
}
