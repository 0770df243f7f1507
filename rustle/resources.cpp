// The noise composer's dialog template and resources.
#include "rustle/composer_program.h"
#include "shell/composer_template.h"

namespace rustle {
namespace {

// The sounds in one row with the rest, "←" and the end button after them.
constexpr ComposerLayout kLayout{
    .title = "Orvo (Noise)", .width = 129, .height = 103, .regionList = {6, 6, 84, 60}, .editableRegionList = true,
    .count = {93, 6, 12, 12}, .separator = {106, 9, 8, 8}, .budget = {111, 6, 12, 12}, .total = {6, 48, 18, 12},
    .keyWidth = 15, .keyHeight = 12, .whiteKeyY = 48, .blackKeyY = 48, .rest = {81, 48, 12, 12},
    .back = {96, 48, 12, 12}, .end = {111, 48, 12, 12}, .output = {6, 66, 117, 30}, .keysBeforeButtons = true};
const ComposerResources kResources(kProgram, kComposerTemplate<kIds, kKeys, kLayout>);

}  // namespace

const ComposerProgram kComposer{kProgram, kResources, ExchangeOrder::ListFirst};

}  // namespace rustle
