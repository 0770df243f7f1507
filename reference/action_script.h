#pragma once

#include <cstdint>
#include <span>
#include <vector>

// Turns arbitrary bytes into user actions on one composer dialog, so that a fuzzer's
// mutations become region changes, radio choices, clicks and pastes. Every byte string
// decodes; a final action whose bytes are missing is dropped.
//
// Each action starts with an opcode byte `op`; its low three bits choose the kind:
//   0      pick a region: the next byte b picks index b mod (regions + 1) - 1, where -1
//          is a change that leaves no item selected
//   1      check radio position (op >> 3) mod 8; where op >> 3 is 24 or more, paste what
//          the output box shows instead, which enters the composition once more
//   2,3,4  click a push button of the program (keys without a meaning too): the next
//          byte picks one
//   5      click an arbitrary control id: the next byte b gives 1000 + b when op has bit
//          3 set (number boxes, radios, the list, the output box and ids past the last
//          control), otherwise one of a few ids far outside the dialog
//   6      click one push button many times: the next byte picks it, the byte after
//          that gives 1 + 4 * c clicks (up to 1021, past a full history)
//   7      click "←" 1 + 4 * (op >> 3) times
namespace reference {

// What the decoder may name in one program's dialog.
struct DialogControls {
    int regionCount;
    std::vector<int> pushButtons;  // every push button's control id
    int backButton;                // the id of "←"
};

struct Action {
    enum Kind { PickRegion, CheckLength, Click, PasteCopy };
    Kind kind;
    int value;      // region index, radio position or control id; nothing for a paste
    int times = 1;  // clicks of the same control in a row
};

std::vector<Action> DecodeActions(std::span<const std::uint8_t> bytes, const DialogControls& controls);

}  // namespace reference
