#include "framework/resources.h"

#include <algorithm>

namespace {

const ResourceTable* module = nullptr;

const ResourceTable& Module()
{
    static const ResourceTable none{};
    return module != nullptr ? *module : none;  // GCOVR_EXCL_BR_LINE: programs set theirs before a look-up
}

template <typename Resource>
const Resource* FindById(std::span<const Resource> resources, int id)
{
    const auto found = std::ranges::find(resources, id, &Resource::id);
    return found != resources.end() ? &*found : nullptr;
}

}  // namespace

const DialogTemplate* AfxFindDialogTemplate(int id)
{
    const DialogResource* resource = FindById(Module().dialogs, id);
    return resource != nullptr ? resource->dialog : nullptr;
}

std::span<const DialogInitRecord> AfxFindDialogInit(int id)
{
    const DialogInitResource* resource = FindById(Module().dialogInits, id);
    return resource != nullptr ? resource->records : std::span<const DialogInitRecord>{};
}

std::span<const ControlNameRecord> AfxFindControlNames(int dialogId)
{
    const ControlNamesResource* resource = FindById(Module().controlNames, dialogId);
    return resource != nullptr ? resource->names : std::span<const ControlNameRecord>{};
}

void AfxSetResourceHandle(const ResourceTable& resources)
{
    module = &resources;
}

const ResourceTable& AfxGetResourceHandle()
{
    return Module();
}
