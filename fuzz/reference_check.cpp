#include "fuzz/reference_check.h"

#include "core/duration_groups.h"
#include "replay/dialog_model.h"
#include "tests/support/reference_dialog.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace fuzz {

namespace {

std::string Describe(const Action& action)
{
    switch (action.kind) {
    case Action::PickRegion: return "region " + std::to_string(action.value);
    case Action::CheckLength: return "length " + std::to_string(action.value);
    case Action::Click: break;
    }
    return "click " + std::to_string(action.value);
}

// The invariants the composer's own state must keep, whatever was done to it.
std::optional<std::string> BrokenInvariant(const ComposerState& state, RegionCatalogue catalogue)
{
    const HistoryStack& history = state.history;
    if (history.Top() < 0 || history.Top() > HistoryStack::kCapacity)
        return "history holds " + std::to_string(history.Top()) + " entries";
    if (state.outputText.size() != 2 * static_cast<std::size_t>(std::max(state.fields.byteCount, 0)) || state.fields.byteCount < 0)
        return "output of " + std::to_string(state.outputText.size()) + " characters for a count of "
               + std::to_string(state.fields.byteCount);
    if (!IsRegionIndex(catalogue, state.currentRegion))
        return "current region " + std::to_string(state.currentRegion) + " names no region";
    const std::array<int, 8>& durations = DurationsOf(catalogue[static_cast<std::size_t>(state.currentRegion)].durationGroup);
    int total = 0;
    for (const int entry : history.Entries()) {
        if (entry == HistoryStack::kEndMarker)
            continue;
        if (!IsLengthPosition(entry))
            return "history holds the entry " + std::to_string(entry);
        total += durations[static_cast<std::size_t>(entry)];
    }
    if (total != state.fields.durationTotal)
        return "total " + std::to_string(state.fields.durationTotal) + " but the entered notes last " + std::to_string(total);
    return std::nullopt;
}

}  // namespace

DialogControls ControlsOf(const Program& program)
{
    DialogControls controls{static_cast<int>(program.channel.Catalogue().size()), {}, 0};
    for (const reference::Button& button : reference::ButtonsOf(reference::VoiceOf(program.name))) {
        controls.pushButtons.push_back(button.id);
        if (button.kind == reference::Button::Back)
            controls.backButton = button.id;
    }
    return controls;
}

std::optional<std::string> CheckActions(const Program& program, std::span<const Action> actions)
{
    DialogModel dialog(program);
    reference::ReferenceDialog expected(reference::VoiceOf(program.name), program.channel.Catalogue());
    for (std::size_t step = 0; step < actions.size(); ++step) {
        const Action& action = actions[step];
        for (int time = 1; time <= action.times; ++time) {
            const auto where = [&] {
                return std::string(program.name) + " action " + std::to_string(step) + " (" + Describe(action)
                       + ", time " + std::to_string(time) + "): ";
            };
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
                if (dialog.Click(action.value) != expected.Click(action.value))
                    return where() + "the dialog and the reference disagree on whether it is a push button";
                break;
            }
            if (dialog.SelectedItem() != expected.SelectedItem() || dialog.Shown() != expected.Shown()
                || dialog.Output() != expected.Output())
                return where() + "shows\n  " + dialog.Show() + "\ninstead of\n  " + expected.Show();
            if (const std::optional<std::string> broken = BrokenInvariant(dialog.State(), program.channel.Catalogue()))
                return where() + *broken;
        }
    }
    return std::nullopt;
}

std::optional<std::string> CheckInput(const Program& program, std::span<const std::uint8_t> bytes)
{
    const std::vector<Action> actions = DecodeActions(bytes, ControlsOf(program));
    return CheckActions(program, actions);
}

}  // namespace fuzz
