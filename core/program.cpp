#include "core/program.h"

#include <algorithm>

std::optional<Edit> ButtonEdit(const Program& program, int controlId)
{
    const ComposerControlIds& ids = program.ids;
    if (controlId == ids.rest)
        return Edit{EditKind::Event, program.restValue};
    if (controlId == ids.back)
        return Edit{EditKind::Undo};
    if (controlId == ids.end)
        return Edit{EditKind::EndMarker};
    const auto key = std::ranges::find(program.keys, controlId, &Key::controlId);
    if (key == program.keys.end())
        return std::nullopt;
    if (key->value == kNoEvent)
        return Edit{};
    return Edit{EditKind::Event, key->value};
}
