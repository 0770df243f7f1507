#include "reference/reference_check.h"

#include "reference/reference_dialog.h"
#include "replay/decode.h"
#include "replay/dialog_model.h"
#include "replay/script.h"

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdio>
#include <utility>

namespace reference {

namespace {

std::string Describe(const Action& action)
{
    switch (action.kind) {
    case Action::PickRegion: return "region " + std::to_string(action.value);
    case Action::CheckLength: return "length " + std::to_string(action.value);
    case Action::PasteCopy: return "paste what the output box shows";
    case Action::Click: break;
    }
    return "click " + std::to_string(action.value);
}

// Decodes `hex` for `region` and, when that gives a script, plays it on `fresh`.
std::variant<std::string, DecodeError> PlayDecoded(const Program& program, int region, std::string_view hex,
                                                   DialogModel& fresh)
{
    std::variant<std::string, DecodeError> decoded = DecodeToScript(program, region, hex);
    if (const auto* script = std::get_if<std::string>(&decoded)) {
        std::size_t read = 0;
        ScriptLines lines([&] { return read < script->size() ? static_cast<unsigned char>((*script)[read++]) : EOF; });
        const auto ignore = [](std::string_view) {};
        RunScript(lines, {ignore, ignore}, fresh);
    }
    return decoded;
}

// What the dialog composed decodes into the shortest script that composes it again: region,
// a click per entry, a length per change of the entries' radio position, show. Any other
// text decodes into a script that writes exactly its hex digits, or is refused.
std::optional<std::string> CheckDecoding(const Program& program, const DialogModel& dialog, std::string text)
{
    const int region = dialog.State().currentRegion;
    DialogModel again(program);
    const std::variant<std::string, DecodeError> decoded = PlayDecoded(program, region, dialog.Output(), again);
    const std::string* script = std::get_if<std::string>(&decoded);
    std::size_t lines = 2 + dialog.State().history.Entries().size();
    int radio = 0;
    for (const int entry : dialog.State().history.Entries())
        lines += entry != HistoryStack::kEndMarker && std::exchange(radio, entry) != entry;
    if (!script || static_cast<std::size_t>(std::ranges::count(*script, '\n')) != lines || again.Output() != dialog.Output()
        || again.Shown().byteCount != dialog.Shown().byteCount || again.Shown().durationTotal != dialog.Shown().durationTotal)
        return std::string(program.name) + ": " + dialog.Show() + "\ndecodes into\n"
               + (script ? *script : std::get<DecodeError>(decoded).reason) + "\nwhich shows\n  " + again.Show();

    DialogModel pasted(program);
    pasted.PickRegion(region);
    const std::optional<std::string> refusal = pasted.Paste(dialog.Output());
    if (refusal.has_value() != dialog.Output().empty() || pasted.Show() != again.Show())
        return std::string(program.name) + ": " + dialog.Output() + " pasted into an empty dialog shows\n  "
               + pasted.Show() + "\ninstead of\n  " + again.Show() + "\n" + refusal.value_or("");

    DialogModel fromText(program);
    const std::variant<std::string, DecodeError> fromTextScript = PlayDecoded(program, region, text, fromText);
    std::erase_if(text, [](unsigned char c) { return std::isspace(c); });
    std::ranges::transform(text, text.begin(), [](unsigned char c) { return std::toupper(c); });
    if (std::holds_alternative<std::string>(fromTextScript) && fromText.Output() != text)
        return std::string(program.name) + ": " + text + " decodes into\n" + std::get<std::string>(fromTextScript)
               + "which writes " + fromText.Output();
    return std::nullopt;
}

}  // namespace

DialogControls ControlsOf(const Program& program)
{
    DialogControls controls{static_cast<int>(program.channel.Catalogue().size()), {}, 0};
    for (const Button& button : ButtonsOf(program)) {
        controls.pushButtons.push_back(button.id);
        if (button.kind == Button::Back)
            controls.backButton = button.id;
    }
    return controls;
}

std::optional<std::string> RunAlongside(const Program& program, ComposerDriver& dialog, std::span<const Action> actions)
{
    ReferenceDialog expected(program);
    for (std::size_t step = 0; step < actions.size(); ++step) {
        const Action& action = actions[step];
        for (int time = 1; time <= action.times; ++time) {
            bool agree = true;
            switch (action.kind) {
            case Action::PickRegion:
                dialog.PickRegion(action.value);
                expected.PickRegion(action.value);
                break;
            case Action::CheckLength:
                dialog.CheckLength(action.value);
                expected.CheckLength(action.value);
                break;
            case Action::Click:
                agree = dialog.Click(action.value) == expected.Click(action.value);
                break;
            case Action::PasteCopy: {
                const std::string shown = dialog.Show();
                agree = !dialog.Paste(shown.substr(shown.find(" output=") + 8)) == expected.PasteCopy();
                break;
            }
            }
            // Both take a run of clicks in step: a disagreement lasts to its end, compared there.
            if (!agree || (time == action.times && dialog.Show() != expected.Show()))
                return std::string(program.name) + " action " + std::to_string(step) + " (" + Describe(action) + ", time "
                       + std::to_string(time) + "): " + (agree ? "" : "acted on one side only; ") + "shows\n  "
                       + dialog.Show() + "\ninstead of\n  " + expected.Show();
        }
    }
    return std::nullopt;
}

std::optional<std::string> CheckInput(const Program& program, std::span<const std::uint8_t> bytes)
{
    DialogModel dialog(program);
    if (std::optional<std::string> failure = RunAlongside(program, dialog, DecodeActions(bytes, ControlsOf(program))))
        return failure;
    return CheckDecoding(program, dialog, std::string(bytes.begin(), bytes.end()));
}

}  // namespace reference
