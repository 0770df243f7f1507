// The square-wave-1 composer's dialog template and resources.
#include "pulsar/composer_dlg.h"
#include "shell/composer_template.h"

namespace pulsar {
namespace {

#include "pulsar/icon.xpm"

constexpr auto kControls = Controls(
    RegionList(kIds.regionList, {6, 6, 138, 99}),
    NumberBox(kIds.count, {150, 6, 15, 12}),
    Separator({166, 9, 8, 8}),
    NumberBox(kIds.budget, {171, 6, 15, 12}),
    LengthRows(kIds, 6, 24, 36),
    NumberBox(kIds.total, {129, 24, 21, 12}),
    PushButton(kIds.back, "←", {156, 24, 12, 12}),
    PushButton(kIds.end, "変", {174, 24, 12, 12}),
    KeyRows(kKeys, {.width = 6, .height = 18, .whiteY = 66, .blackY = 45}),
    PushButton(kIds.rest, "休", {174, 48, 12, 12}),
    OutputBox(kIds.output, {6, 90, 180, 30}));

constexpr DialogTemplate kDialog{
    "Orvo (Square Wave 1)", {0, 0, 191, 127}, kComposerDialogStyle, kComposerDialogExStyle, kComposerFont, kControls};
const ComposerResources kResources(kProgram, kDialog, pulsar_icon_32, pulsar_icon_16);

}  // namespace

const ComposerProgram kComposer{kProgram, kResources, ExchangeOrder::ListFirst};

}  // namespace pulsar
