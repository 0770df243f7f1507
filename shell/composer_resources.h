#pragma once

#include "core/program.h"
#include "framework/resources.h"
#include "shell/control_names.h"
#include "shell/resource_ids.h"

#include <array>
#include <span>
#include <vector>

// Everything a composer program links in as resources, made from its description: the
// dialog template, the region list's labels, the icon's two images and the names of its
// controls. Defined once per program as a static object; Table() is what the program sets
// as its resource handle.
class ComposerResources {
public:
    ComposerResources(const Program& program, const DialogTemplate& dialog, std::span<const char* const> icon32,
                      std::span<const char* const> icon16)
        : dialogs_{{{IDD_COMPOSER, &dialog}}},
          regionListInit_(RegionListInit(program)),
          dialogInits_{{{IDD_COMPOSER, regionListInit_}}},
          iconImages_{{{icon32}, {icon16}}},
          icons_{{{IDI_COMPOSER, iconImages_}}},
          controlNames_(program),
          controlNameResources_{{{IDD_COMPOSER, controlNames_.Records()}}},
          table_{dialogs_, dialogInits_, icons_, controlNameResources_}
    {
    }

    const ResourceTable& Table() const { return table_; }

private:
    // One label per region, in catalogue order, each added to the region list.
    static std::vector<DialogInitRecord> RegionListInit(const Program& program)
    {
        std::vector<DialogInitRecord> records;
        for (const RegionEntry& region : program.channel.Catalogue())
            records.push_back({program.ids.regionList, region.label});
        return records;
    }

    std::array<DialogResource, 1> dialogs_;
    std::vector<DialogInitRecord> regionListInit_;
    std::array<DialogInitResource, 1> dialogInits_;
    std::array<IconImage, 2> iconImages_;
    std::array<IconResource, 1> icons_;
    ComposerControlNames controlNames_;
    std::array<ControlNamesResource, 1> controlNameResources_;
    ResourceTable table_;
};
