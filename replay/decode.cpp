#include "replay/decode.h"

#include "core/duration_groups.h"
#include "core/output_text.h"
#include "replay/excerpt.h"

#include <algorithm>
#include <cctype>
#include <utility>
#include <vector>

namespace {

// `hex` as the dialog writes bytes: uppercase digit pairs with nothing between them.
std::variant<std::string, DecodeError> Digits(std::string_view hex)
{
    std::string digits;
    for (const char c : hex) {
        const auto u = static_cast<unsigned char>(c);
        const bool betweenBytes = digits.size() % 2 == 0;
        if (betweenBytes && std::isspace(u))
            continue;
        if (!std::isxdigit(u))
            return DecodeError{digits.size() / 2, std::isspace(u) ? "a byte needs two hex digits"
                                                                  : "'" + Excerpt({&c, 1}) + "' is no hex digit"};
        digits += static_cast<char>(std::toupper(u));
    }
    if (digits.size() % 2 != 0)
        return DecodeError{digits.size() / 2, "a byte needs two hex digits"};
    return digits;
}

// The push buttons that write something, in the order they are tried.
std::vector<std::pair<int, Edit>> WritingButtons(const Program& program)
{
    std::vector<int> ids{program.ids.rest};
    for (const Key& key : program.keys)
        ids.push_back(key.controlId);
    ids.push_back(program.ids.end);

    std::vector<std::pair<int, Edit>> buttons;
    for (const int id : ids) {
        const Edit edit = ButtonEdit(program, id).value_or(Edit{});
        if (edit.kind == EditKind::Event || edit.kind == EditKind::EndMarker)
            buttons.emplace_back(id, edit);
    }
    return buttons;
}

std::size_t CommonBytes(std::string_view a, std::string_view b)
{
    std::size_t bytes = 0;
    while (2 * bytes + 2 <= std::min(a.size(), b.size()) && a.substr(2 * bytes, 2) == b.substr(2 * bytes, 2))
        ++bytes;
    return bytes;
}

struct Click {
    int position;
    int controlId;
};

// Finds the first click (see the header for the order) that writes the start of `rest`
// after what `state` holds, and leaves it applied. Every other click tried is taken back,
// so `state` holds exactly what it did when none writes them: then the first byte that
// no click could write is reported.
std::variant<Click, DecodeError> NextClick(const Program& program, const std::vector<std::pair<int, Edit>>& buttons,
                                           ComposerState& state, int radio, std::string_view rest)
{
    const Channel& channel = program.channel;
    const std::size_t start = state.outputText.size();
    std::size_t mostBytes = 0;
    bool writtenAfterALengthByte = false;  // the next byte, though only with a byte before it
    for (int i = -1; i < kLengthPositions; ++i) {  // the checked position, then the others
        const int position = i < 0 ? radio : i;
        if (i == radio)
            continue;
        state.fields.lengthIndex = position;
        for (const auto& [id, edit] : buttons) {
            if (!channel.Accepts(state, edit))
                continue;
            channel.Apply(state, edit);
            const std::string_view written = std::string_view(state.outputText).substr(start);
            if (rest.starts_with(written))
                return Click{position, id};
            mostBytes = std::max(mostBytes, CommonBytes(written, rest));
            writtenAfterALengthByte |= written.size() > 2 && written.substr(written.size() - 2) == rest.substr(0, 2);
            channel.Apply(state, Edit{EditKind::Undo});
        }
    }

    const std::size_t offset = start / 2 + mostBytes;
    const std::string bad(rest.substr(2 * mostBytes, 2));
    if (state.history.IsFull())
        return DecodeError{start / 2, "more than " + std::to_string(HistoryStack::kCapacity) + " entries"};
    if (bad.empty())
        return DecodeError{offset, "the bytes end inside an entry"};
    if (mostBytes == 0 && bad == kEndMarkerByte)
        return DecodeError{offset, "the end marker 00 is refused here"};
    if (mostBytes == 0 && writtenAfterALengthByte)
        return DecodeError{offset, "note " + bad + " needs a length byte before it"};
    return DecodeError{offset, "no click writes " + bad + " here"};
}

}  // namespace

std::variant<std::string, DecodeError> DecodeToScript(const Program& program, int region, std::string_view hex)
{
    const std::variant<std::string, DecodeError> parsed = Digits(hex);
    if (const auto* error = std::get_if<DecodeError>(&parsed))
        return *error;
    const std::string& digits = std::get<std::string>(parsed);
    const std::vector<std::pair<int, Edit>> buttons = WritingButtons(program);

    ComposerState state;
    SelectRegion(state, program.channel.Catalogue(), region);
    int radio = 0;  // where a fresh dialog's region change leaves the radio group
    std::string script = "region " + std::to_string(region) + "\n";
    while (state.outputText.size() < digits.size()) {
        const auto next = NextClick(program, buttons, state, radio, std::string_view(digits).substr(state.outputText.size()));
        if (const auto* error = std::get_if<DecodeError>(&next))
            return *error;
        const Click click = std::get<Click>(next);
        if (click.position != radio)
            script += "length " + std::to_string(click.position) + "\n";
        radio = click.position;
        script += "click " + std::to_string(click.controlId) + "  # " + ButtonName(program, click.controlId).value()
                  + "\n";
    }
    return script + "show\n";
}
