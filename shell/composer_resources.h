#pragma once

#include "core/region_catalogue.h"
#include "framework/dialog_template.h"
#include "framework/version_info.h"
#include "shell/version_numbers.h"

#include <array>
#include <cstddef>

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
