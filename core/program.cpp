#include "core/program.h"

#include <algorithm>

namespace {

const Key* FindKey(const Program& program, int controlId)
{
    const auto key = std::ranges::find(program.keys, controlId, &Key::controlId);
    return key != program.keys.end() ? &*key : nullptr;
}

}  // namespace

std::optional<Edit> ButtonEdit(const Program& program, int controlId)
{
    const ComposerControlIds& ids = program.ids;
    if (controlId == ids.rest)
        return Edit{EditKind::Event, program.restValue};
    if (controlId == ids.back)
        return Edit{EditKind::Undo};
    if (controlId == ids.end)
        return Edit{EditKind::EndMarker};
    const Key* key = FindKey(program, controlId);
    if (!key)
        return std::nullopt;
    if (key->value == kNoEvent)
        return Edit{};
    return Edit{EditKind::Event, key->value};
}

std::optional<std::string> ButtonName(const Program& program, int controlId)
{
    const ComposerControlIds& ids = program.ids;
    if (controlId == ids.rest)
        return "rest";
    if (controlId == ids.back)
        return "take back";
    if (controlId == ids.end)
        return "end marker";
    const Key* key = FindKey(program, controlId);
    if (!key)
        return std::nullopt;
    if (key->value == kNoEvent)
        return "no note";
    if (key->octave == 0)
        return key->name;
    return std::string(key->name) + " " + std::to_string(key->octave);
}
