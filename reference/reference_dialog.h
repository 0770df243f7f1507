#pragma once

#include "core/composer_state.h"
#include "core/program.h"

#include <cstddef>
#include <string>
#include <vector>

// What a composer dialog should show, kept from the encoding rules alone: codes from the
// bit layout and each voice's event values, lengths and durations from the duration groups,
// the length-change rule from the entered history, the regions taking an end byte from
// their labels. It reads a program's keys only for which keys exist and which are captioned
// "x", and shares no code with the editing operations, so that the fuzz check and the
// monkey test can hold the composers against it.
namespace reference {

struct Button {
    enum Kind { Note, Back, End, Nothing };
    int id;
    Kind kind;
    int value;  // event value (single-byte voices) or note byte
};

// Every push button of `program`'s dialog: its keys (those without a meaning too), the
// rest, "←" and the end button, in that order.
std::vector<Button> ButtonsOf(const Program& program);

class ReferenceDialog {
public:
    // As after the dialog's set-up: region 0 selected, radio position 0 checked.
    explicit ReferenceDialog(const Program& program);

    int RegionCount() const { return static_cast<int>(program_.channel.Catalogue().size()); }
    // Item `index` of the region list is picked; -1 leaves no item selected and must not
    // touch the composition.
    void PickRegion(int index);
    void CheckLength(int position) { radio_ = position; }
    // Clicks push button `controlId`; false when the dialog has no such button.
    bool Click(int controlId);
    // Pastes what the output box shows: its entries entered once more, each clicked with
    // its radio position. Returns whether it acted: not with no entries, nor past 998.
    bool PasteCopy();

    int SelectedItem() const { return selected_; }
    // What the list, the number boxes with the radio group, and the output box show, as
    // the line a ComposerDriver's Show() gives.
    std::string Show() const;

private:
    struct Entry {
        int position;            // -1: end marker
        std::size_t textLength;  // characters it wrote
        int button;              // the control id clicked
    };

    void Press(const Button& button);
    bool Acts(const Button& button) const;
    void Reset(int index);
    const RegionEntry& Region() const;

    const Program& program_;
    std::vector<Button> buttons_;
    bool lengthChange_;  // twinwave's voice: note bytes and length bytes
    int region_ = 0;
    int selected_ = 0;
    int radio_ = 0;
    int lastRead_ = 0;  // the radio position the last acting operation read
    std::vector<Entry> entries_;
    std::string output_;
    int total_ = 0;
};

}  // namespace reference
