#include "framework/qt/icon_object.h"

#include "framework/qt/icon_image.h"
#include "framework/resources.h"
#include "framework/system_metrics.h"

#include <map>
#include <memory>

namespace detail {

HICON LoadIconResource(int id)
{
    // Kept by resource, not by id: each program's module has its own icon 128.
    static std::map<const IconResource*, std::unique_ptr<IconObject>> loaded;
    const IconResource* resource = AfxFindIcon(id);
    if (resource == nullptr)
        return nullptr;
    if (const auto found = loaded.find(resource); found != loaded.end())
        return found->second.get();
    auto icon = std::make_unique<IconObject>();
    icon->standard = IconImageOfSize(*resource, GetSystemMetrics(SM_CXICON));
    icon->small = IconImageOfSize(*resource, GetSystemMetrics(SM_CXSMICON));
    return loaded.emplace(resource, std::move(icon)).first->second.get();
}

}  // namespace detail
