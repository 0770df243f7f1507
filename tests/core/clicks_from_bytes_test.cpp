// The clicks found for some bytes, held against the plain search they stand for: every click
// of the program tried on the composition itself, in the documented order.
#include "core/clicks_from_bytes.h"
#include "core/duration_groups.h"
#include "tests/core/all_programs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <ostream>
#include <random>
#include <span>
#include <string>
#include <vector>

void PrintTo(const ButtonClick& click, std::ostream* out)
{
    *out << "click " << click.controlId << " at " << click.position;
}

namespace {

// The push buttons that write, in the documented order: the rest, the keys left to right, the end.
std::vector<ButtonClick> ButtonsInOrder(const Program& program)
{
    std::vector<ButtonClick> buttons;
    const auto add = [&](int id) {
        if (const Edit edit = ButtonEdit(program, id).value(); edit.kind != EditKind::None)
            buttons.push_back({0, id, edit});
    };
    add(program.ids.rest);
    std::ranges::for_each(program.keys, add, &Key::controlId);
    add(program.ids.end);
    return buttons;
}

// The plain search: at the checked position, then at the others from 0 up, each button
// applied to `state` and taken back unless it writes the start of `rest`. The first entry
// may also start as it would at the start of a composition of the region.
std::optional<ButtonClick> FirstClickWriting(const Program& program, std::span<const ButtonClick> buttons,
                                             ComposerState& state, std::string_view rest, bool first)
{
    const Channel& channel = program.channel;
    ComposerState atStart;
    SelectRegion(atStart, channel.Catalogue(), state.currentRegion);
    const int radio = state.fields.lengthIndex;
    for (int i = -1; i < kLengthPositions; ++i) {
        const int position = i < 0 ? radio : i;
        if (i == radio || !IsLengthPosition(position))
            continue;
        state.fields.lengthIndex = position;
        for (const ButtonClick& button : buttons) {
            if (!channel.Accepts(state, button.edit))
                continue;
            const std::size_t before = state.outputText.size();
            channel.Apply(state, button.edit);
            const bool writes = rest.starts_with(std::string_view(state.outputText).substr(before))
                                || (first && rest.starts_with(channel.Written(atStart, button.edit, position)));
            if (writes)
                return ButtonClick{position, button.controlId, button.edit};
            channel.Apply(state, Edit{EditKind::Undo});
        }
        state.fields.lengthIndex = radio;
    }
    return std::nullopt;
}

struct Entered {
    std::vector<ButtonClick> clicks;
    bool refused;
    std::string output;  // what the state holds after them
};

// The plain search's clicks for the whole of `digits` (uppercase, nothing between bytes).
Entered SearchEveryClick(const Program& program, ComposerState state, const std::string& digits)
{
    Entered entered{{}, false, {}};
    const Channel& channel = program.channel;
    const std::vector<ButtonClick> buttons = ButtonsInOrder(program);
    for (std::size_t done = 0; done < digits.size();) {
        const std::size_t before = state.outputText.size();
        const std::string_view rest = std::string_view(digits).substr(done);
        const std::optional<ButtonClick> click = FirstClickWriting(program, buttons, state, rest, entered.clicks.empty());
        if (!click) {
            entered.refused = true;
            break;
        }
        entered.clicks.push_back(*click);
        ComposerState atStart;
        SelectRegion(atStart, channel.Catalogue(), state.currentRegion);
        const std::string written = state.outputText.substr(before);
        const std::string startWritten = channel.Written(atStart, click->edit, click->position);
        done += rest.starts_with(written) ? written.size() : startWritten.size();
    }
    entered.output = state.outputText;
    return entered;
}

Entered Enter(const Program& program, ComposerState state, const std::string& digits)
{
    const auto result = EnterBytes(program, state, digits);
    const auto* clicks = std::get_if<std::vector<ButtonClick>>(&result);
    return {clicks ? *clicks : std::vector<ButtonClick>{}, clicks == nullptr, state.outputText};
}

void ExpectSameClicks(const Program& program, const ComposerState& state, const std::string& digits)
{
    const Entered searched = SearchEveryClick(program, state, digits);
    const Entered looked = Enter(program, state, digits);
    const std::string context = std::string(program.name) + " region " + std::to_string(state.currentRegion)
                                + " after " + state.outputText + " radio " + std::to_string(state.fields.lengthIndex)
                                + ": " + digits;
    EXPECT_EQ(looked.refused, searched.refused) << context;
    EXPECT_EQ(looked.output, searched.output) << context;
    if (!searched.refused) {
        EXPECT_EQ(looked.clicks, searched.clicks) << context;
    }
}

// The compositions every decoding starts from in `region`: empty, one entry at each radio
// position, and one entry followed by an end marker.
std::vector<ComposerState> StartsIn(const Program& program, int region)
{
    const Channel& channel = program.channel;
    ComposerState empty;
    SelectRegion(empty, channel.Catalogue(), region);
    empty.fields.lengthIndex = 0;
    std::vector<ComposerState> starts{empty};
    for (int position = 0; position < kLengthPositions; ++position) {
        ComposerState& start = starts.emplace_back(empty);
        start.fields.lengthIndex = position;
        channel.Apply(start, {EditKind::Event, program.restValue});
    }
    ComposerState ended = starts.back();
    if (channel.Accepts(ended, {EditKind::EndMarker})) {
        channel.Apply(ended, {EditKind::EndMarker});
        starts.push_back(ended);
    }
    return starts;
}

std::string Hex(int byte)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    return {kDigits[byte >> 4], kDigits[byte & 15]};
}

}  // namespace

// Every byte in each program's first region, each after another kind of start and at
// another radio position in turn: the first click, or that none writes it, is the plain
// search's.
TEST(ClicksFromBytes, EveryByteGivesThePlainSearchsClick)
{
    for (const Program* program : kPrograms) {
        const std::vector<ComposerState> starts = StartsIn(*program, 0);
        for (std::size_t byte = 0; byte < 256; ++byte) {
            ComposerState start = starts[byte % starts.size()];
            start.fields.lengthIndex = static_cast<int>(byte / starts.size() % kLengthPositions);
            ExpectSameClicks(*program, start, Hex(static_cast<int>(byte)));
        }
    }
}

// Compositions of random clicks in every region in turn, read back whole, with a byte changed
// or cut short, after random compositions at random radio positions.
TEST(ClicksFromBytes, RandomCompositionsGiveThePlainSearchsClicks)
{
    std::mt19937 random(7);
    const auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    for (const Program* program : kPrograms) {
        const Channel& channel = program->channel;
        const std::vector<ButtonClick> buttons = ButtonsInOrder(*program);
        const auto compose = [&](int region, int entries) {
            ComposerState state;
            SelectRegion(state, channel.Catalogue(), region);
            for (int i = 0; i < entries; ++i) {
                state.fields.lengthIndex = pick(kLengthPositions);
                const auto button = static_cast<std::size_t>(pick(static_cast<int>(buttons.size())));
                const Edit edit = pick(8) == 0 ? Edit{EditKind::Undo} : buttons[button].edit;
                if (channel.Accepts(state, edit))
                    channel.Apply(state, edit);
            }
            state.fields.lengthIndex = pick(kLengthPositions);
            return state;
        };
        for (int round = 0; round < 150; ++round) {
            const int region = round % static_cast<int>(channel.Catalogue().size());
            std::string digits = compose(region, pick(40)).outputText;
            const auto byte = 2 * static_cast<std::size_t>(pick(static_cast<int>(digits.size() / 2) + 1));
            if (round % 3 == 1 && byte < digits.size())
                digits.replace(byte, 2, Hex(pick(256)));
            if (round % 3 == 2 && !digits.empty())
                digits.resize(digits.size() - 2);
            ExpectSameClicks(*program, compose(region, pick(6)), digits);
        }
    }
}
