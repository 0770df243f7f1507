#pragma once

#include "core/region_catalogue.h"
#include "framework/dialog_template.h"
#include "framework/resources.h"

#include <array>
#include <cstddef>
#include <span>

// Pieces of the resources every composer program links in.

// The dialog initialisation data of the region list: one label per region, in catalogue
// order, each added to the list control `regionListId`.
template <std::size_t N>
std::array<DialogInitRecord, N> RegionListInit(int regionListId, const std::array<RegionEntry, N>& regions)
{
    std::array<DialogInitRecord, N> records{};
    for (std::size_t i = 0; i < N; ++i)
        records[i] = {regionListId, DLGINIT_CB_ADDSTRING, regions[i].label};
    return records;
}

// Everything a composer program links in as resources, gathered from its own pieces: the
// dialog template, the region list's labels, the icon's two images and the names of its
// controls. The program's name goes into the version block of its resource script instead.
// Defined once per program as a static object; Table() is the program's kModuleResources.
template <std::size_t Regions>
class ComposerResources {
public:
    struct Ids {
        int dialog;      // the template and its initialisation data
        int regionList;  // the control the labels go to
        int icon;
    };

    // `controlNames`: what assistive technology calls the dialog's controls, kept by the
    // caller for the life of the program.
    ComposerResources(Ids ids, const DialogTemplate& dialog, const std::array<RegionEntry, Regions>& regions,
                      std::span<const char* const> icon32, std::span<const char* const> icon16, const char* /*name*/,
                      std::span<const ControlNameRecord> controlNames)
        : dialogs_{{{ids.dialog, &dialog}}},
          regionListInit_(RegionListInit(ids.regionList, regions)),
          dialogInits_{{{ids.dialog, regionListInit_}}},
          iconImages_{{{icon32}, {icon16}}},
          icons_{{{ids.icon, iconImages_}}},
          controlNames_{{{ids.dialog, controlNames}}}
    {
    }

    ResourceTable Table() const { return {dialogs_, dialogInits_, icons_, nullptr, controlNames_}; }

private:
    std::array<DialogResource, 1> dialogs_;
    std::array<DialogInitRecord, Regions> regionListInit_;
    std::array<DialogInitResource, 1> dialogInits_;
    std::array<IconImage, 2> iconImages_;
    std::array<IconResource, 1> icons_;
    std::array<ControlNamesResource, 1> controlNames_;
};
