#include "framework/qt/icon_image.h"

#include <utility>

namespace detail {

QImage IconImageOfSize(const IconResource& icon, int size)
{
    QImage divisor;
    for (const IconImage& image : icon.images) {
        QImage decoded(image.xpm.data());
        if (decoded.width() == size)
            return decoded;
        if (size % decoded.width() == 0 && decoded.width() > divisor.width())
            divisor = std::move(decoded);
    }
    return divisor.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

}  // namespace detail
