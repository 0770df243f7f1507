#include "reference/action_script.h"

#include "core/duration_groups.h"

#include <array>
#include <climits>
#include <cstddef>

namespace reference {

namespace {

// Ids no composer dialog has: nothing, the "no id" of a static text, the template and
// icon resources, the help command and the extremes of the type.
constexpr std::array<int, 9> kForeignIds = {0, -1, 1, 999, 102, 128, 57670, INT_MAX, INT_MIN};

}  // namespace

std::vector<Action> DecodeActions(std::span<const std::uint8_t> bytes, const DialogControls& controls)
{
    std::vector<Action> actions;
    std::size_t at = 0;
    const auto next = [&](int& value) {
        if (at == bytes.size())
            return false;
        value = bytes[at++];
        return true;
    };
    const auto pushButton = [&](int b) { return controls.pushButtons[static_cast<std::size_t>(b) % controls.pushButtons.size()]; };

    int op = 0;
    while (next(op)) {
        const int high = op >> 3;
        int b = 0;
        int c = 0;
        switch (op & 7) {
        case 0:
            if (!next(b))
                return actions;
            actions.push_back({Action::PickRegion, b % (controls.regionCount + 1) - 1});
            break;
        case 1:
            actions.push_back(high < 24 ? Action{Action::CheckLength, high % kLengthPositions} : Action{Action::PasteCopy, 0});
            break;
        case 2:
        case 3:
        case 4:
            if (!next(b))
                return actions;
            actions.push_back({Action::Click, pushButton(b)});
            break;
        case 5:
            if (!next(b))
                return actions;
            actions.push_back({Action::Click, (high & 1) ? 1000 + b : kForeignIds[static_cast<std::size_t>(b) % kForeignIds.size()]});
            break;
        case 6:
            if (!next(b) || !next(c))
                return actions;
            actions.push_back({Action::Click, pushButton(b), 1 + 4 * c});
            break;
        default:
            actions.push_back({Action::Click, controls.backButton, 1 + 4 * high});
            break;
        }
    }
    return actions;
}

}  // namespace reference
