#include "framework/qt/icon_image.h"

#include "framework/qt/text.h"
#include "framework/resources.h"

#include <QDir>

namespace detail {

std::vector<QImage> IconImages(int id)
{
    const QDir folder(QStringLiteral(":/%1/%2").arg(ToNative(AfxGetResourceHandle().module)).arg(id));
    std::vector<QImage> images;
    for (const QString& file : folder.entryList(QDir::Files))
        images.emplace_back(folder.filePath(file));
    return images;
}

QImage IconImageOfSize(const std::vector<QImage>& images, int size)
{
    const QImage* divisor = nullptr;
    for (const QImage& image : images) {
        if (image.width() == size)
            return image;
        if (size % image.width() == 0 && (divisor == nullptr || image.width() > divisor->width()))
            divisor = &image;
    }
    return divisor != nullptr ? divisor->scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation) : QImage();
}

}  // namespace detail
