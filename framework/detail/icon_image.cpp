#include "framework/detail/icon_image.h"

#include <vector>

namespace detail {

QImage IconImageOfSize(const IconResource& icon, int size)
{
    std::vector<QImage> images;
    for (const IconImage& image : icon.images) {
        QImage decoded(image.xpm.data());
        if (decoded.width() == size)
            return decoded;
        if (!decoded.isNull())
            images.push_back(std::move(decoded));
    }
    const QImage* largest = nullptr;
    const QImage* largestDivisor = nullptr;
    for (const QImage& image : images) {
        if (largest == nullptr || image.width() > largest->width())
            largest = &image;
        if (size % image.width() == 0 && (largestDivisor == nullptr || image.width() > largestDivisor->width()))
            largestDivisor = &image;
    }
    if (largestDivisor != nullptr)
        return largestDivisor->scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (largest != nullptr)
        return largest->scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return {};
}

}  // namespace detail
