// The square-wave-2 and triangle composer's dialog template and resources.
#include "twinwave/composer_dlg.h"
#include "shell/composer_template.h"

namespace twinwave {
namespace {

#include "twinwave/icon.xpm"

constexpr auto kControls = Controls(
    RegionList(kIds.regionList, {6, 6, 111, 99}),
    NumberBox(kIds.count, {120, 6, 15, 12}),
    Separator({136, 9, 8, 9}),
    NumberBox(kIds.budget, {141, 6, 15, 12}),
    LengthRows(kIds, 159, 6, 18),
    NumberBox(kIds.total, {279, 6, 18, 12}),
    PushButton(kIds.back, "←", {300, 6, 12, 12}),
    PushButton(kIds.end, "終", {315, 6, 12, 12}),
    KeyRows(kKeys, {.width = 6, .height = 18, .whiteY = 48, .blackY = 27}),
    PushButton(kIds.rest, "休", {309, 30, 12, 12}),
    OutputBox(kIds.output, {6, 72, 321, 30}));

constexpr DialogTemplate kDialog{"Orvo (Square Wave 2 & Triangle Wave)", {0, 0, 333, 109}, kComposerDialogStyle,
                                 kComposerDialogExStyle, kComposerFont, kControls};
const ComposerResources kResources(kProgram, kDialog, twinwave_icon_32, twinwave_icon_16);

}  // namespace

const ComposerProgram kComposer{kProgram, kResources, ExchangeOrder::OutputFirst};

}  // namespace twinwave
