#include "framework/detail/icon_object.h"

#include "framework/resources.h"
#include "framework/system_metrics.h"

#include <map>
#include <memory>

namespace detail {

namespace {

// The image of `resource` whose width is `size`, or the first one scaled to that size.
QImage ImageOfSize(const IconResource& resource, int size)
{
    QImage fallback;
    for (const IconImage& image : resource.images) {
        QImage decoded(image.xpm.data());
        if (decoded.width() == size)
            return decoded;
        if (fallback.isNull())
            fallback = decoded;
    }
    if (fallback.isNull())
        return fallback;
    return fallback.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace

HICON LoadIconResource(int id)
{
    static std::map<int, std::unique_ptr<IconObject>> loaded;
    if (const auto found = loaded.find(id); found != loaded.end())
        return found->second.get();
    const IconResource* resource = AfxFindIcon(id);
    if (resource == nullptr || resource->images.empty())
        return nullptr;
    auto icon = std::make_unique<IconObject>();
    icon->standard = ImageOfSize(*resource, GetSystemMetrics(SM_CXICON));
    icon->small = ImageOfSize(*resource, GetSystemMetrics(SM_CXSMICON));
    return loaded.emplace(id, std::move(icon)).first->second.get();
}

}  // namespace detail
