#include "core/clicks_from_bytes.h"

#include "core/duration_groups.h"
#include "core/output_text.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <map>
#include <span>
#include <utility>

namespace {

// `text` as the dialog writes bytes: uppercase digit pairs with nothing between them.
std::variant<std::string, BytesRefusal> Digits(std::string_view text)
{
    std::string digits;
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        const bool betweenBytes = digits.size() % 2 == 0;
        if (betweenBytes && std::isspace(u))
            continue;
        if (!std::isxdigit(u))
            return BytesRefusal{std::isspace(u) ? BytesFault::HalfByte : BytesFault::NoHexDigit, digits.size() / 2,
                                std::isspace(u) ? "" : std::string(1, c)};
        digits += static_cast<char>(std::toupper(u));
    }
    if (digits.size() % 2 != 0)
        return BytesRefusal{BytesFault::HalfByte, digits.size() / 2, ""};
    return digits;
}

struct WritingButton {
    int controlId;
    Edit edit;
};

// The push buttons that write something, in the order they are tried.
std::vector<WritingButton> WritingButtons(const Program& program)
{
    std::vector<int> ids{program.ids.rest};
    for (const Key& key : program.keys)
        ids.push_back(key.controlId);
    ids.push_back(program.ids.end);

    std::vector<WritingButton> buttons;
    for (const int id : ids) {
        const Edit edit = ButtonEdit(program, id).value_or(Edit{});
        if (edit.kind == EditKind::Event || edit.kind == EditKind::EndMarker)
            buttons.push_back({id, edit});
    }
    return buttons;
}

// The value of the byte that `digits` (uppercase hex, two a byte) start with.
std::size_t FirstByte(std::string_view digits)
{
    std::size_t value = 0;
    std::from_chars(digits.data(), digits.data() + 2, value, 16);
    return value;
}

// What one click writes.
struct Writing {
    std::string bytes;
    int position;
    std::size_t button;  // in the order the buttons are tried
};

// Every click's bytes by their first byte, those with the same first byte in the order the
// clicks are tried.
using Table = std::array<std::vector<Writing>, 256>;

// The clicks of one region and what each writes, looked up by the bytes instead of trying
// every click on every entry. A click writes the same after every composition of a region
// whose newest entry is the same (the length-change voice compares its position with that
// entry alone), so one table serves all entries with the same newest entry.
class Clicks {
public:
    Clicks(const Program& program, int region)
        : channel_(program.channel), region_(region), buttons_(WritingButtons(program))
    {
    }

    Edit EditOf(const Writing& writing) const { return buttons_[writing.button].edit; }
    int IdOf(const Writing& writing) const { return buttons_[writing.button].controlId; }

    // The table after a newest entry `newest` (a radio position, or an end marker), made on first use.
    const Table& After(int newest)
    {
        const auto [entry, isNew] = tables_.try_emplace(newest);
        if (isNew)
            Fill(entry->second, newest);
        return entry->second;
    }

private:
    void Fill(Table& table, int newest) const
    {
        ComposerState probe;
        SelectRegion(probe, channel_.Catalogue(), region_);
        if (newest != HistoryStack::kEndMarker)
            probe.history.Push(newest);
        for (int position = 0; position < kLengthPositions; ++position) {
            for (std::size_t b = 0; b < buttons_.size(); ++b) {
                std::string bytes = channel_.Written(probe, buttons_[b].edit, position);
                if (bytes.empty())  // GCOVR_EXCL_BR_LINE: every writing button writes at every position
                    continue;
                std::vector<Writing>& group = table[FirstByte(bytes)];
                group.push_back({std::move(bytes), position, b});
            }
        }
    }

    const Channel& channel_;
    int region_;
    std::vector<WritingButton> buttons_;
    std::map<int, Table> tables_;  // by newest entry
};

std::size_t CommonBytes(std::string_view a, std::string_view b)
{
    std::size_t bytes = 0;
    // Both tests take both ways; the rest are the sanitizer's and the cleanup of an exception.
    while (2 * bytes + 2 <= std::min(a.size(), b.size()) && a.substr(2 * bytes, 2) == b.substr(2 * bytes, 2))  // GCOVR_EXCL_BR_LINE
        ++bytes;
    return bytes;
}

// Why no accepted click of `tables` writes the start of `rest`, which begins at byte
// `offset` of the text: the first byte that none could write.
BytesRefusal Refusal(const Clicks& clicks, std::span<const Table* const> tables, const ComposerState& state,
                     const Channel& channel, std::string_view rest, std::size_t offset)
{
    if (state.history.IsFull())
        return {BytesFault::TooManyEntries, offset, ""};
    std::size_t mostBytes = 0;
    bool writtenAfterALengthByte = false;  // the next byte, though only with a byte before it
    for (const Table* table : tables) {
        for (const std::vector<Writing>& group : *table) {
            for (const Writing& writing : group) {
                if (!channel.Accepts(state, clicks.EditOf(writing)))
                    continue;
                mostBytes = std::max(mostBytes, CommonBytes(writing.bytes, rest));
                writtenAfterALengthByte |= writing.bytes.size() > 2 && writing.bytes.ends_with(rest.substr(0, 2));
            }
        }
    }
    std::string bad(rest.substr(2 * mostBytes, 2));
    offset += mostBytes;
    if (bad.empty())
        return {BytesFault::EndsInsideEntry, offset, ""};
    if (mostBytes == 0 && bad == kEndMarkerByte)
        return {BytesFault::EndMarkerRefused, offset, std::move(bad)};
    if (mostBytes == 0 && writtenAfterALengthByte)
        return {BytesFault::NoLengthByte, offset, std::move(bad)};
    return {BytesFault::NoClickWrites, offset, std::move(bad)};
}

}  // namespace

std::variant<std::vector<ButtonClick>, BytesRefusal> EnterBytes(const Program& program, ComposerState& state,
                                                                std::string_view text)
{
    const std::variant<std::string, BytesRefusal> parsed = Digits(text);
    if (const auto* refusal = std::get_if<BytesRefusal>(&parsed))
        return *refusal;
    const std::string& digits = std::get<std::string>(parsed);

    const Channel& channel = program.channel;
    Clicks clicks(program, state.currentRegion);
    std::vector<ButtonClick> entered;
    std::size_t done = 0;  // digits entered
    while (done < digits.size()) {
        const std::string_view rest = std::string_view(digits).substr(done);
        const int newest = state.history.Newest();
        std::array<const Table*, 2> tables{&clicks.After(newest), nullptr};
        if (entered.empty() && newest != HistoryStack::kEndMarker)
            tables[1] = &clicks.After(HistoryStack::kEndMarker);  // as at the start of a composition
        const std::span<const Table* const> searched(tables.data(), tables[1] ? 2 : 1);

        // The first accepted click that writes the start of `rest`: the checked position, then
        // the others from 0 up; at each, the buttons in their order.
        const int radio = state.fields.lengthIndex;
        const auto rank = [radio](const Writing& w) {
            return std::pair(w.position == radio ? -1 : w.position, w.button);
        };
        const Writing* best = nullptr;
        for (const Table* table : searched) {
            for (const Writing& writing : (*table)[FirstByte(rest)]) {
                // Each test takes both ways; the rest are the cleanup of an exception.
                if (rest.starts_with(writing.bytes) && (!best || rank(writing) < rank(*best))  // GCOVR_EXCL_BR_LINE
                    && channel.Accepts(state, clicks.EditOf(writing)))
                    best = &writing;
            }
        }
        if (!best)
            return Refusal(clicks, searched, state, channel, rest, done / 2);

        const Edit edit = clicks.EditOf(*best);
        state.fields.lengthIndex = best->position;
        channel.Apply(state, edit);
        entered.push_back({best->position, clicks.IdOf(*best), edit});
        done += best->bytes.size();
    }
    return entered;
}
