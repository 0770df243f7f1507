#pragma once

#include "core/program.h"
#include "framework/resources.h"
#include "shell/control_names.h"
#include "shell/resource_ids.h"

#include <array>
#include <span>
#include <vector>

// Everything a composer program links in as resources, made from its description: the
// dialog template, the region list's labels and the names of its controls, in the module
// named after the program (its icon is the build's: cmake/ComposerProgram.cmake). Defined
// once per program as a static object; Table() is what the program sets as its resource
// handle.
class ComposerResources {
public:
    ComposerResources(const Program& program, const DialogTemplate& dialog)
        : dialogs_{{{IDD_COMPOSER, &dialog}}},
          regionListInit_(RegionListInit(program)),
          dialogInits_{{{IDD_COMPOSER, regionListInit_}}},
          controlNames_(program),
          controlNameResources_{{{IDD_COMPOSER, controlNames_.Records()}}},
          table_{program.name, dialogs_, dialogInits_, controlNameResources_}
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
    ComposerControlNames controlNames_;
    std::array<ControlNamesResource, 1> controlNameResources_;
    ResourceTable table_;
};
