// The square-wave-2 and triangle composer's dialog template and resources.
#include "twinwave/composer_program.h"
#include "shell/composer_template.h"

namespace twinwave {
namespace {

// The lengths beside the region list, the long keyboard across the dialog under them.
constexpr ComposerLayout kLayout{
    .title = "Orvo (Square Wave 2 & Triangle Wave)", .width = 333, .height = 109, .regionList = {6, 6, 111, 99},
    .count = {120, 6, 15, 12}, .separator = {136, 9, 8, 9}, .budget = {141, 6, 15, 12}, .lengthsX = 159,
    .durationY = 6, .radioY = 18, .total = {279, 6, 18, 12}, .whiteKeyY = 48, .blackKeyY = 27,
    .rest = {309, 30, 12, 12}, .back = {300, 6, 12, 12}, .end = {315, 6, 12, 12}, .output = {6, 72, 321, 30}};
const ComposerResources kResources(kProgram, kComposerTemplate<kIds, kKeys, kLayout>);

}  // namespace

const ComposerProgram kComposer{kProgram, kResources, ExchangeOrder::OutputFirst};

}  // namespace twinwave
