#pragma once

#include "core/region_catalogue.h"
#include "framework/dialog_template.h"
#include "framework/resources.h"
#include "framework/version_info.h"
#include "shell/version_numbers.h"

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

// The version resource of the composer program `name`: Japanese strings (block
// "041104B0"), the program's name in the name fields, no company or trademark.
constexpr VersionInfo ComposerVersionInfo(const char* name)
{
    VersionInfo info{};
    info.fileVersion = {kVersionMajor, kVersionMinor, kVersionPatch, kVersionTweak};
    info.productVersion = info.fileVersion;
    info.language = 0x0411;
    info.codePage = 1200;
    info.stringBlock = "041104B0";
    info.strings = {
        .companyName = "",
        .fileDescription = name,
        .fileVersion = kVersionText,
        .internalName = name,
        .legalTrademarks = "",
        .originalFilename = name,
        .productName = name,
        .productVersion = kVersionText,
    };
    return info;
}

// Everything a composer program links in as resources, gathered from its own pieces: the
// dialog template, the region list's labels, the icon's two images, the program's name
// and the names of its controls.
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
                      std::span<const char* const> icon32, std::span<const char* const> icon16, const char* name,
                      std::span<const ControlNameRecord> controlNames)
        : dialogs_{{{ids.dialog, &dialog}}},
          regionListInit_(RegionListInit(ids.regionList, regions)),
          dialogInits_{{{ids.dialog, regionListInit_}}},
          iconImages_{{{icon32}, {icon16}}},
          icons_{{{ids.icon, iconImages_}}},
          version_(ComposerVersionInfo(name)),
          controlNames_{{{ids.dialog, controlNames}}}
    {
    }

    ResourceTable Table() const { return {dialogs_, dialogInits_, icons_, &version_, controlNames_}; }

private:
    std::array<DialogResource, 1> dialogs_;
    std::array<DialogInitRecord, Regions> regionListInit_;
    std::array<DialogInitResource, 1> dialogInits_;
    std::array<IconImage, 2> iconImages_;
    std::array<IconResource, 1> icons_;
    VersionInfo version_;
    std::array<ControlNamesResource, 1> controlNames_;
};
