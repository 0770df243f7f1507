#include "framework/resources.h"

#include <algorithm>

namespace {

template <typename Resource>
const Resource* FindById(std::span<const Resource> resources, int id)
{
    const auto found = std::ranges::find(resources, id, &Resource::id);
    return found != resources.end() ? &*found : nullptr;
}

}  // namespace

const DialogTemplate* AfxFindDialogTemplate(int id)
{
    const DialogResource* resource = FindById(kModuleResources.dialogs, id);
    return resource != nullptr ? resource->dialog : nullptr;
}

std::span<const DialogInitRecord> AfxFindDialogInit(int id)
{
    const DialogInitResource* resource = FindById(kModuleResources.dialogInits, id);
    return resource != nullptr ? resource->records : std::span<const DialogInitRecord>{};
}

const IconResource* AfxFindIcon(int id)
{
    return FindById(kModuleResources.icons, id);
}

std::span<const ControlNameRecord> AfxFindControlNames(int dialogId)
{
    const ControlNamesResource* resource = FindById(kModuleResources.controlNames, dialogId);
    return resource != nullptr ? resource->names : std::span<const ControlNameRecord>{};
}
