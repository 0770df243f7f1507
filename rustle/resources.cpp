// The noise composer's dialog template and resources.
#include "rustle/composer_dlg.h"
#include "shell/composer_template.h"

namespace rustle {
namespace {

#include "rustle/icon.xpm"

constexpr auto kControls = Controls(
    RegionList(kIds.regionList, {6, 6, 84, 60}, true),
    NumberBox(kIds.count, {93, 6, 12, 12}),
    Separator({106, 9, 8, 8}),
    NumberBox(kIds.budget, {111, 6, 12, 12}),
    LengthRows(kIds, 6, 24, 36),
    NumberBox(kIds.total, {6, 48, 18, 12}),
    KeyRows(kKeys, {.width = 15, .height = 12, .whiteY = 48, .blackY = 48}),
    PushButton(kIds.rest, "休", {81, 48, 12, 12}),
    PushButton(kIds.back, "←", {96, 48, 12, 12}),
    PushButton(kIds.end, "終", {111, 48, 12, 12}),
    OutputBox(kIds.output, {6, 66, 117, 30}));

constexpr DialogTemplate kDialog{
    "Orvo (Noise)", {0, 0, 129, 103}, kComposerDialogStyle, kComposerDialogExStyle, kComposerFont, kControls};
const ComposerResources kResources(kProgram, kDialog, rustle_icon_32, rustle_icon_16);

}  // namespace

const ComposerProgram kComposer{kProgram, kResources, ExchangeOrder::ListFirst};

}  // namespace rustle
