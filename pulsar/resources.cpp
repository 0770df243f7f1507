// The square-wave-1 composer's dialog template and resources.
#include "pulsar/composer_program.h"
#include "shell/composer_template.h"

namespace pulsar {
namespace {

// The keyboard under the lengths, the buttons to their right; the end button changes the voice ("変").
constexpr ComposerLayout kLayout{
    .title = "Orvo (Square Wave 1)", .width = 191, .height = 127, .regionList = {6, 6, 138, 99},
    .count = {150, 6, 15, 12}, .separator = {166, 9, 8, 8}, .budget = {171, 6, 15, 12},
    .total = {129, 24, 21, 12}, .whiteKeyY = 66, .blackKeyY = 45, .rest = {174, 48, 12, 12},
    .back = {156, 24, 12, 12}, .end = {174, 24, 12, 12}, .endCaption = "変", .output = {6, 90, 180, 30}};
const ComposerResources kResources(kProgram, kComposerTemplate<kIds, kKeys, kLayout>);

}  // namespace

const ComposerProgram kComposer{kProgram, kResources, ExchangeOrder::ListFirst};

}  // namespace pulsar
