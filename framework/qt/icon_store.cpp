#include "framework/qt/icon_object.h"

#include "framework/qt/icon_image.h"
#include "framework/resources.h"
#include "framework/system_metrics.h"

#include <map>
#include <memory>
#include <string>
#include <utility>

namespace detail {

HICON LoadIconResource(int id)
{
    // Kept by module and id: each program's module has its own icon 128.
    // The guard of a static.
    static std::map<std::pair<std::string, int>, std::unique_ptr<IconObject>> loaded;  // GCOVR_EXCL_BR_LINE
    std::pair<std::string, int> key{AfxGetResourceHandle().module, id};
    if (const auto found = loaded.find(key); found != loaded.end())
        return found->second.get();
    const std::vector<QImage> images = IconImages(id);
    if (images.empty())
        return nullptr;
    auto icon = std::make_unique<IconObject>();
    icon->standard = IconImageOfSize(images, GetSystemMetrics(SM_CXICON));
    icon->small = IconImageOfSize(images, GetSystemMetrics(SM_CXSMICON));
    return loaded.emplace(std::move(key), std::move(icon)).first->second.get();
}

}  // namespace detail
