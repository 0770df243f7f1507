#pragma once

#include "core/composer_state.h"
#include "core/region_catalogue.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// What a composer dialog should show, kept from the encoding rules alone: codes from the
// bit layout, lengths and durations from the duration groups, the length-change rule from
// the entered history. It shares no code with the composers' editing operations, so the
// random-sequence tests, the fuzzer and the monkey test can hold those against it.
namespace reference {

enum class Voice { Noise, SquareOne, Twinwave };

// The voice of the program `name` ("rustle", "pulsar" or "twinwave").
Voice VoiceOf(std::string_view programName);

struct Button {
    enum Kind { Note, Back, End, Nothing };
    int id;
    Kind kind;
    int value;  // event value (single-byte voices) or note byte
};

// Every push button of a voice's dialog: the keys or sounds (those without a meaning too),
// the rest, "←" and the end button.
std::vector<Button> ButtonsOf(Voice voice);

class ReferenceDialog {
public:
    ReferenceDialog(Voice voice, RegionCatalogue regions);

    int RegionCount() const { return static_cast<int>(regions_.size()); }

    // Item `index` of the region list is picked; -1 is a change that leaves no item
    // selected, which must not touch the composition.
    void PickRegion(int index);
    void CheckLength(int position) { radio_ = position; }
    // Clicks push button `controlId`; false when the dialog has no such button.
    bool Click(int controlId);

    // What the list, the number boxes with the radio group, and the output box show.
    int SelectedItem() const { return selected_; }
    ComposerFields Shown() const;
    const std::string& Output() const { return output_; }

    // The same as the line the composers' Show() gives:
    // region=I count=C budget=B durations=D0,..,D7 total=T length=R output=HEX
    std::string Show() const;

    std::size_t EntryCount() const { return entries_.size(); }

private:
    struct Entry {
        int position;             // -1: end marker
        std::size_t textLength;   // characters it wrote
    };

    void Press(const Button& button);
    bool EndAllowed() const;
    void Reset(int index);
    int Group() const;

    Voice voice_;
    RegionCatalogue regions_;
    std::vector<Button> buttons_;
    int region_ = 0;
    int selected_ = 0;
    int radio_ = 0;
    int lastRead_ = 0;  // the radio position the last acting operation read
    std::vector<Entry> entries_;
    std::string output_;
    int total_ = 0;
};

}  // namespace reference
