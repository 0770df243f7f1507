#include "reference/dialog_keys.h"

#include "core/duration_groups.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace reference {

namespace {

bool IsPushButton(const Program& program, int id)
{
    const std::vector<Button> buttons = ButtonsOf(program);
    return std::ranges::find(buttons, id, &Button::id) != buttons.end();
}

}  // namespace

std::optional<int> ListItemStartingWith(const Program& program, int item, char character)
{
    const RegionCatalogue regions = program.channel.Catalogue();
    const int count = static_cast<int>(regions.size());
    const auto lower = [](char c) { return std::tolower(static_cast<unsigned char>(c)); };
    for (int step = 1; step <= count; ++step) {
        const int next = (item + step) % count;
        if (lower(regions[static_cast<std::size_t>(next)].label[0]) == lower(character))
            return next;
    }
    return std::nullopt;
}

std::optional<int> ListItemAfterKey(const Program& program, RegionListKeys list, int item, KeyPress press)
{
    const int last = static_cast<int>(program.channel.Catalogue().size()) - 1;
    const int page = std::max(1, list.rows - 1);
    // In a text field these move its caret, and characters are its text.
    const bool caret = press.key == KeyPress::Left || press.key == KeyPress::Right || press.key == KeyPress::Home ||
                       press.key == KeyPress::End || press.key == KeyPress::Character || press.key == KeyPress::Space;
    if (list.field && caret)
        return std::nullopt;
    int to = item;
    switch (press.key) {
    case KeyPress::Up:
    case KeyPress::Left: to = item - 1; break;
    case KeyPress::Down:
    case KeyPress::Right: to = item + 1; break;
    case KeyPress::PageUp: to = item - page; break;
    case KeyPress::PageDown: to = item + page; break;
    case KeyPress::Home: to = 0; break;
    case KeyPress::End: to = last; break;
    case KeyPress::Space: to = ListItemStartingWith(program, item, ' ').value_or(item); break;
    case KeyPress::Character: to = ListItemStartingWith(program, item, press.character).value_or(item); break;
    default: return std::nullopt;
    }
    return std::clamp(to, 0, last);
}

void PressKey(ReferenceDialog& dialog, const Program& program, RegionListKeys list, int focused, KeyPress press)
{
    const ComposerControlIds& ids = program.ids;
    if (focused == ids.regionList) {
        if (const std::optional<int> item = ListItemAfterKey(program, list, dialog.SelectedItem(), press))
            dialog.PickRegion(*item);
        return;
    }
    const bool onRadio = focused >= ids.firstLength && focused < ids.firstLength + kLengthPositions;
    if (press.key == KeyPress::Space && onRadio)
        dialog.CheckLength(focused - ids.firstLength);
    else if (press.key == KeyPress::Space || press.key == KeyPress::Enter)
        dialog.Click(focused);  // a push button's click; nothing elsewhere
}

bool EndsDialog(const Program& program, int focused, KeyPress press)
{
    return press.key == KeyPress::Escape || (press.key == KeyPress::Enter && !IsPushButton(program, focused));
}

std::string Describe(KeyPress press)
{
    static constexpr std::array<const char*, 15> kNames = {"Tab", "Shift+Tab", "Space", "Enter", "Escape", "F4", "Up",
                                                            "Down", "Left", "Right", "Home", "End", "Page Up",
                                                            "Page Down", "character "};
    return kNames[static_cast<std::size_t>(press.key)] + (press.key == KeyPress::Character ? std::string(1, press.character) : "");
}

}  // namespace reference
