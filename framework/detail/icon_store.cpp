#include "framework/detail/icon_object.h"

#include "framework/detail/icon_image.h"
#include "framework/resources.h"
#include "framework/system_metrics.h"

#include <map>
#include <memory>

namespace detail {

HICON LoadIconResource(int id)
{
    static std::map<int, std::unique_ptr<IconObject>> loaded;
    if (const auto found = loaded.find(id); found != loaded.end())
        return found->second.get();
    const IconResource* resource = AfxFindIcon(id);
    if (resource == nullptr)
        return nullptr;
    auto icon = std::make_unique<IconObject>();
    icon->standard = IconImageOfSize(*resource, GetSystemMetrics(SM_CXICON));
    icon->small = IconImageOfSize(*resource, GetSystemMetrics(SM_CXSMICON));
    return loaded.emplace(id, std::move(icon)).first->second.get();
}

}  // namespace detail
