#include "tests/support/reference_dialog.h"

#include "core/duration_groups.h"
#include "pulsar/program.h"
#include "twinwave/program.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace reference {

namespace {

constexpr std::size_t kHistoryCapacity = 998;

std::string Hex(int byte)
{
    char text[3];
    std::snprintf(text, sizeof text, "%02X", byte);
    return text;
}

}  // namespace

Voice VoiceOf(std::string_view programName)
{
    if (programName == "rustle")
        return Voice::Noise;
    if (programName == "pulsar")
        return Voice::SquareOne;
    if (programName == "twinwave")
        return Voice::Twinwave;
    throw std::invalid_argument("no composer program named " + std::string(programName));
}

std::vector<Button> ButtonsOf(Voice voice)
{
    std::vector<Button> buttons;
    switch (voice) {
    case Voice::Noise:
        buttons = {{1020, Button::Note, 8}, {1021, Button::Note, 16}, {1022, Button::Note, 24},
                   {1023, Button::Note, 2}, {1024, Button::Back, 0}, {1025, Button::End, 0}};
        break;
    case Voice::SquareOne:
        // Event index k carries the event value k + 2, except the last key, which has 1.
        for (const Key& key : pulsar::kKeys) {
            if (key.value == kNoEvent)
                buttons.push_back({key.controlId, Button::Nothing, 0});
            else
                buttons.push_back({key.controlId, Button::Note, key.value == 30 ? 1 : key.value + 2});
        }
        buttons.insert(buttons.end(), {{1055, Button::Note, 2}, {1056, Button::Back, 0}, {1057, Button::End, 0}});
        break;
    case Voice::Twinwave:
        for (const Key& key : twinwave::kKeys)
            buttons.push_back({key.controlId, key.value < 0 ? Button::Nothing : Button::Note, key.value});
        buttons.insert(buttons.end(), {{1063, Button::Note, 4}, {1081, Button::Back, 0}, {1083, Button::End, 0}});
        break;
    }
    return buttons;
}

ReferenceDialog::ReferenceDialog(Voice voice, RegionCatalogue regions)
    : voice_(voice), regions_(regions), buttons_(ButtonsOf(voice))
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
    const auto button = std::find_if(buttons_.begin(), buttons_.end(), [controlId](const Button& b) { return b.id == controlId; });
    if (button == buttons_.end())
        return false;
    Press(*button);
    return true;
}

void ReferenceDialog::Press(const Button& button)
{
    const bool full = entries_.size() == kHistoryCapacity;
    const bool acts = (button.kind == Button::Note && !full) || (button.kind == Button::Back && !entries_.empty())
                      || (button.kind == Button::End && !full && EndAllowed());
    if (!acts)
        return;
    lastRead_ = radio_;
    std::string text;
    switch (button.kind) {
    case Button::Note: {
        // Bits 7..6: the low two bits of the length offset, 5..1: the event value, 0: bit 2
        // of the length offset. The length-change voice writes the length code as a byte of
        // its own whenever the radio position differs from the newest entry's.
        const int code = LengthCodeOf(Group(), radio_);
        const int s = code - 80;
        const int previous = entries_.empty() ? -1 : entries_.back().position;
        if (voice_ != Voice::Twinwave)
            text = Hex(64 * (s % 4) + 2 * button.value + s / 4);
        else
            text = (radio_ != previous ? std::to_string(code) : "") + Hex(button.value);
        total_ += DurationOf(Group(), radio_);
        entries_.push_back({radio_, text.size()});
        break;
    }
    case Button::End:
        text = "00";
        entries_.push_back({-1, text.size()});
        break;
    default: {
        const Entry newest = entries_.back();
        entries_.pop_back();
        output_.resize(output_.size() - newest.textLength);
        if (newest.position >= 0)
            total_ -= DurationOf(Group(), newest.position);
        break;
    }
    }
    output_ += text;
}

ComposerFields ReferenceDialog::Shown() const
{
    ComposerFields shown;
    shown.byteCount = static_cast<int>(output_.size() / 2);
    shown.byteBudget = regions_[static_cast<std::size_t>(region_)].byteBudget;
    for (int p = 0; p < 8; ++p)
        shown.durations[static_cast<std::size_t>(p)] = DurationOf(Group(), p);
    shown.durationTotal = total_;
    shown.lengthIndex = radio_;
    return shown;
}

std::string ReferenceDialog::Show() const
{
    const ComposerFields shown = Shown();
    std::string line = "region=" + std::to_string(selected_) + " count=" + std::to_string(shown.byteCount)
                       + " budget=" + std::to_string(shown.byteBudget) + " durations=";
    for (std::size_t p = 0; p < 8; ++p)
        line += (p ? "," : "") + std::to_string(shown.durations[p]);
    return line + " total=" + std::to_string(shown.durationTotal) + " length=" + std::to_string(shown.lengthIndex)
           + " output=" + output_;
}

bool ReferenceDialog::EndAllowed() const
{
    if (voice_ != Voice::Twinwave)
        return true;
    const std::string label = regions_[static_cast<std::size_t>(region_)].label;
    return !entries_.empty() && label.find("SQ2") != std::string::npos;
}

void ReferenceDialog::Reset(int index)
{
    region_ = selected_ = index;
    entries_.clear();
    output_.clear();
    total_ = 0;
    radio_ = lastRead_;  // the region change writes back the position last read
}

int ReferenceDialog::Group() const
{
    return regions_[static_cast<std::size_t>(region_)].durationGroup;
}

}  // namespace reference
