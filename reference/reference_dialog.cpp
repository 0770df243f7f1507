#include "reference/reference_dialog.h"

#include "core/duration_groups.h"
#include "replay/composer_driver.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <string_view>

namespace reference {

namespace {

constexpr std::size_t kHistoryCapacity = 998;

// What sets a voice apart: the ids of its other buttons and what its buttons pass on.
struct Voice {
    std::string_view program;
    int rest, back, end;
    int restValue;               // event value, or twinwave's note byte
    int (*eventValue)(int key);  // a key's event index to its event value; none: note bytes
};

constexpr Voice kVoices[] = {
    {"rustle", 1023, 1024, 1025, 2, [](int k) { return 8 * k; }},                 // 8, 16, 24
    {"pulsar", 1055, 1056, 1057, 2, [](int k) { return k == 30 ? 1 : k + 2; }},   // the lone "d" lowest
    {"twinwave", 1063, 1081, 1083, 0x04, nullptr},
};

const Voice& VoiceOf(const Program& program)
{
    const auto* voice = std::ranges::find(kVoices, program.name, &Voice::program);
    return voice != std::end(kVoices) ? *voice : throw std::invalid_argument("no program " + std::string(program.name));
}

std::string Hex(int byte)
{
    char text[3];
    std::snprintf(text, sizeof text, "%02X", byte);
    return text;
}

}  // namespace

std::vector<Button> ButtonsOf(const Program& program)
{
    const Voice& voice = VoiceOf(program);
    std::vector<Button> buttons;
    for (const Key& key : program.keys) {
        if (std::string_view(key.caption) == "x")
            buttons.push_back({key.controlId, Button::Nothing, 0});
        else
            buttons.push_back({key.controlId, Button::Note, voice.eventValue ? voice.eventValue(key.value) : key.value});
    }
    buttons.insert(buttons.end(), {{voice.rest, Button::Note, voice.restValue}, {voice.back, Button::Back, 0},
                                   {voice.end, Button::End, 0}});
    return buttons;
}

ReferenceDialog::ReferenceDialog(const Program& program)
    : program_(program), buttons_(ButtonsOf(program)), lengthChange_(VoiceOf(program).eventValue == nullptr)
{
    Reset(0);
}

void ReferenceDialog::PickRegion(int index)
{
    selected_ = index;
    if (index >= 0 && index != region_)
        Reset(index);
}

bool ReferenceDialog::Click(int controlId)
{
    const auto button = std::ranges::find(buttons_, controlId, &Button::id);
    if (button == buttons_.end())
        return false;
    if (Acts(*button))
        Press(*button);
    return true;
}

bool ReferenceDialog::PasteCopy()
{
    if (entries_.empty() || 2 * entries_.size() > kHistoryCapacity)
        return false;
    for (const Entry& entry : std::vector<Entry>(entries_)) {
        radio_ = entry.position >= 0 ? entry.position : radio_;
        Click(entry.button);
    }
    return true;
}

bool ReferenceDialog::Acts(const Button& button) const
{
    const bool full = entries_.size() == kHistoryCapacity;
    switch (button.kind) {
    case Button::Note:
        return !full;
    case Button::Back:
        return !entries_.empty();
    case Button::End: {
        // The length-change voice takes it after an entry, in the regions of square wave 2.
        const bool squareTwo = std::string_view(Region().label).find("SQ2") != std::string_view::npos;
        return !full && (!lengthChange_ || (!entries_.empty() && squareTwo));
    }
    case Button::Nothing:
        break;
    }
    return false;
}

void ReferenceDialog::Press(const Button& button)
{
    lastRead_ = radio_;
    const int group = Region().durationGroup;
    if (button.kind == Button::Back) {
        const Entry newest = entries_.back();
        entries_.pop_back();
        output_.resize(output_.size() - newest.textLength);
        if (newest.position >= 0)
            total_ -= DurationOf(group, newest.position);
        return;
    }
    std::string text = "00";
    int position = -1;
    if (button.kind == Button::Note) {
        // Bits 7..6: the low two bits of the length offset, 5..1: the event value, 0: bit 2
        // of the length offset. The length-change voice writes the length code as a byte of
        // its own whenever the radio position differs from the newest entry's.
        const int code = LengthCodeOf(group, radio_);
        const int s = code - 80;
        const int newest = entries_.empty() ? -1 : entries_.back().position;
        if (lengthChange_)
            text = (radio_ != newest ? std::to_string(code) : "") + Hex(button.value);
        else
            text = Hex(64 * (s % 4) + 2 * button.value + s / 4);
        total_ += DurationOf(group, radio_);
        position = radio_;
    }
    entries_.push_back({position, text.size(), button.id});
    output_ += text;
}

std::string ReferenceDialog::Show() const
{
    ComposerFields shown;
    shown.byteCount = static_cast<int>(output_.size() / 2);
    shown.byteBudget = Region().byteBudget;
    shown.durations = DurationsOf(Region().durationGroup);
    shown.durationTotal = total_;
    shown.lengthIndex = radio_;
    return FormatShowLine(selected_, shown, output_);
}

void ReferenceDialog::Reset(int index)
{
    region_ = selected_ = index;
    entries_.clear();
    output_.clear();
    total_ = 0;
    radio_ = lastRead_;  // the region change writes back the position last read
}

const RegionEntry& ReferenceDialog::Region() const
{
    return program_.channel.Catalogue()[static_cast<std::size_t>(region_)];
}

}  // namespace reference
