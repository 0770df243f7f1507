// Long random sequences of user actions in all three programs, each step checked against a
// reference model written from the encoding rules: codes from the bit layout, lengths and
// durations from the duration groups, the length-change rule from the history.
#include "core/duration_groups.h"
#include "pulsar/square1_channel.h"
#include "replay/dialog_model.h"
#include "rustle/noise_channel.h"
#include "twinwave/square2_triangle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

enum class Voice { Noise, SquareOne, Twinwave };

struct Button {
    int id;
    enum { Note, Back, End, Nothing } kind;
    int value;  // event value (single-byte voices) or note byte
};

std::vector<Button> ButtonsOf(Voice voice)
{
    std::vector<Button> buttons;
    switch (voice) {
    case Voice::Noise:
        buttons = {{1020, Button::Note, 8}, {1021, Button::Note, 16}, {1022, Button::Note, 24},
                   {1023, Button::Note, 2}, {1024, Button::Back, 0}, {1025, Button::End, 0}};
        break;
    case Voice::SquareOne:
        for (const pulsar::Key& key : pulsar::kKeys) {
            if (key.eventIndex == pulsar::kNoEvent)
                buttons.push_back({key.controlId, Button::Nothing, 0});
            else
                buttons.push_back({key.controlId, Button::Note, key.eventIndex == 30 ? 1 : key.eventIndex + 2});
        }
        buttons.insert(buttons.end(), {{1055, Button::Note, 2}, {1056, Button::Back, 0}, {1057, Button::End, 0}});
        break;
    case Voice::Twinwave:
        for (const twinwave::NoteKey& key : twinwave::kNoteKeys)
            buttons.push_back({key.controlId, key.noteByte < 0 ? Button::Nothing : Button::Note, key.noteByte});
        buttons.insert(buttons.end(), {{1063, Button::Note, 4}, {1081, Button::Back, 0}, {1083, Button::End, 0}});
        break;
    }
    return buttons;
}

std::string Hex(int byte)
{
    char text[3];
    std::snprintf(text, sizeof text, "%02X", byte);
    return text;
}

// What the dialog should show, kept from the rules alone.
class ReferenceDialog {
public:
    ReferenceDialog(Voice voice, RegionCatalogue regions) : voice_(voice), regions_(regions) { Reset(0); }

    void PickRegion(int index)
    {
        selected_ = index;
        if (index != region_)
            Reset(index);
    }

    void CheckLength(int position) { radio_ = position; }

    void Click(const Button& button)
    {
        const bool full = entries_.size() == 998;
        const bool acts = (button.kind == Button::Note && !full) || (button.kind == Button::Back && !entries_.empty())
                          || (button.kind == Button::End && !full && EndAllowed());
        if (!acts)
            return;
        lastRead_ = radio_;
        if (button.kind == Button::Note)
            entries_.push_back({radio_, button.value});
        else if (button.kind == Button::End)
            entries_.push_back({-1, 0});
        else
            entries_.pop_back();
    }

    std::string Show() const
    {
        const int group = regions_[static_cast<std::size_t>(region_)].durationGroup;
        std::string output;
        int total = 0;
        int previous = -1;
        for (const Entry& e : entries_) {
            if (e.position < 0) {
                output += "00";
            } else {
                const int code = LengthCodeOf(group, e.position);
                const int s = code - 80;
                if (voice_ != Voice::Twinwave)
                    output += Hex(64 * (s % 4) + 2 * e.value + s / 4);
                else
                    output += (e.position != previous ? std::to_string(code) : "") + Hex(e.value);
                total += DurationOf(group, e.position);
            }
            previous = e.position;
        }
        const int count = static_cast<int>(output.size() / 2);
        std::string line = "region=" + std::to_string(selected_) + " count=" + std::to_string(count) + " budget="
                           + std::to_string(regions_[static_cast<std::size_t>(region_)].byteBudget) + " durations=";
        for (int p = 0; p < 8; ++p)
            line += (p ? "," : "") + std::to_string(DurationOf(group, p));
        return line + " total=" + std::to_string(total) + " length=" + std::to_string(radio_) + " output=" + output;
    }

    std::size_t EntryCount() const { return entries_.size(); }

private:
    struct Entry {
        int position;  // -1: end marker
        int value;
    };

    bool EndAllowed() const
    {
        if (voice_ != Voice::Twinwave)
            return true;
        const std::string label = regions_[static_cast<std::size_t>(region_)].label;
        return !entries_.empty() && label.find("SQ2") != std::string::npos;
    }

    void Reset(int index)
    {
        region_ = selected_ = index;
        entries_.clear();
        radio_ = lastRead_;
    }

    Voice voice_;
    RegionCatalogue regions_;
    int region_ = 0;
    int selected_ = 0;
    int radio_ = 0;
    int lastRead_ = 0;
    std::vector<Entry> entries_;
};

int Number(const std::string& line, const std::string& name)
{
    return std::stoi(line.substr(line.find(name + "=") + name.size() + 1));
}

void RunRandomSequence(Voice voice, const Program& program, unsigned seed, int steps)
{
    std::mt19937 random(seed);
    const std::vector<Button> buttons = ButtonsOf(voice);
    DialogModel dialog(program);
    ReferenceDialog reference(voice, program.channel.Catalogue());
    // Mostly clicks, so that compositions grow long enough to fill the history.
    std::discrete_distribution<int> action({0.05, 8, 90, 1});
    std::size_t longest = 0;
    for (int step = 0; step < steps; ++step) {
        switch (action(random)) {
        case 0: {
            const int index = std::uniform_int_distribution<int>(0, dialog.RegionCount() - 1)(random);
            dialog.PickRegion(index);
            reference.PickRegion(index);
            break;
        }
        case 1: {
            const int position = std::uniform_int_distribution<int>(0, 7)(random);
            dialog.CheckLength(position);
            reference.CheckLength(position);
            break;
        }
        case 2: {
            const Button& button = buttons[std::uniform_int_distribution<std::size_t>(0, buttons.size() - 1)(random)];
            ASSERT_TRUE(dialog.Click(button.id));
            reference.Click(button);
            break;
        }
        default: {  // a run of "←"
            const Button& back = *std::find_if(buttons.begin(), buttons.end(), [](const Button& b) { return b.kind == Button::Back; });
            for (int i = std::uniform_int_distribution<int>(1, 30)(random); i > 0; --i) {
                dialog.Click(back.id);
                reference.Click(back);
            }
            break;
        }
        }
        const std::string shown = dialog.Show();
        ASSERT_EQ(shown, reference.Show()) << program.name << " seed " << seed << " step " << step;
        const std::string output = shown.substr(shown.find("output=") + 7);
        ASSERT_EQ(output.size(), 2 * static_cast<std::size_t>(Number(shown, "count")));
        ASSERT_LE(dialog.State().history.Top(), HistoryStack::kCapacity);
        longest = std::max(longest, reference.EntryCount());
    }
    EXPECT_EQ(longest, 998u) << "the sequence should have reached a full history";
}

}  // namespace

TEST(RandomSequences, NoiseComposerFollowsTheRules)
{
    for (unsigned seed = 1; seed <= 4; ++seed)
        RunRandomSequence(Voice::Noise, rustle::kProgram, seed, 12000);
}

TEST(RandomSequences, SquareOneComposerFollowsTheRules)
{
    for (unsigned seed = 1; seed <= 4; ++seed)
        RunRandomSequence(Voice::SquareOne, pulsar::kProgram, seed, 12000);
}

TEST(RandomSequences, TwinwaveComposerFollowsTheRules)
{
    for (unsigned seed = 1; seed <= 4; ++seed)
        RunRandomSequence(Voice::Twinwave, twinwave::kProgram, seed, 12000);
}
