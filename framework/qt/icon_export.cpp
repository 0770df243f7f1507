#include "framework/icon_export.h"

#include "framework/qt/icon_image.h"
#include "framework/qt/qt_text.h"
#include "framework/resources.h"

#include <QImage>

BOOL AfxSaveIconAsPng(int id, int size, const char* path)
{
    const IconResource* icon = AfxFindIcon(id);
    if (icon == nullptr)
        return FALSE;
    const QImage image = detail::IconImageOfSize(*icon, size);
    return !image.isNull() && image.save(detail::ToQString(path != nullptr ? path : ""), "PNG") ? TRUE : FALSE;
}
