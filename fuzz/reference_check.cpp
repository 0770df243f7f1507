#include "fuzz/reference_check.h"

#include "replay/dialog_model.h"
#include "tests/support/reference_dialog.h"

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

}  // namespace

DialogControls ControlsOf(const Program& program)
{
    DialogControls controls{static_cast<int>(program.channel.Catalogue().size()), {}, 0};
    for (const reference::Button& button : reference::ButtonsOf(program)) {
        controls.pushButtons.push_back(button.id);
        if (button.kind == reference::Button::Back)
            controls.backButton = button.id;
    }
    return controls;
}

std::optional<std::string> RunAlongside(const Program& program, ComposerDriver& dialog, std::span<const Action> actions)
{
    reference::ReferenceDialog expected(program);
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
            }
            if (const std::string shown = dialog.Show(); !agree || shown != expected.Show())
                return std::string(program.name) + " action " + std::to_string(step) + " (" + Describe(action) + ", time "
                       + std::to_string(time) + "): " + (agree ? "" : "a push button to one side only; ") + "shows\n  "
                       + shown + "\ninstead of\n  " + expected.Show();
        }
    }
    return std::nullopt;
}

std::optional<std::string> CheckInput(const Program& program, std::span<const std::uint8_t> bytes)
{
    DialogModel dialog(program);
    return RunAlongside(program, dialog, DecodeActions(bytes, ControlsOf(program)));
}

}  // namespace fuzz
