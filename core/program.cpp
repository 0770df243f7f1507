#include "core/program.h"

#include <algorithm>

namespace {

// A push button of a program: the edit it stands for and, for one that is no key or a key
// that plays nothing, its name; a key that plays a note is named from its note and octave.
struct Button {
    // cppcheck-suppress unusedStructMember ; read through std::optional, which cppcheck does not follow
    Edit edit;
    const char* name = nullptr;
    const Key* key = nullptr;
};

std::optional<Button> FindButton(const Program& program, int controlId)
{
    const ComposerControlIds& ids = program.ids;
    if (controlId == ids.rest)
        return Button{{EditKind::Event, program.restValue}, "rest"};
    if (controlId == ids.back)
        return Button{{EditKind::Undo}, "take back"};
    if (controlId == ids.end)
        return Button{{EditKind::EndMarker}, "end marker"};
    const auto key = std::ranges::find(program.keys, controlId, &Key::controlId);
    if (key == program.keys.end())
        return std::nullopt;
    if (key->value == kNoEvent)
        return Button{{}, "no note"};
    return Button{{EditKind::Event, key->value}, nullptr, &*key};
}

}  // namespace

std::optional<Edit> ButtonEdit(const Program& program, int controlId)
{
    const std::optional<Button> button = FindButton(program, controlId);
    if (!button)
        return std::nullopt;
    return button->edit;
}

std::optional<std::string> ButtonName(const Program& program, int controlId)
{
    const std::optional<Button> button = FindButton(program, controlId);
    if (!button)
        return std::nullopt;
    if (button->name != nullptr)
        return button->name;
    const Key& key = *button->key;
    if (key.octave == 0)
        return std::string(key.name);
    return std::string(key.name) + " " + std::to_string(key.octave);
}
