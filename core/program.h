#pragma once

#include "core/channel.h"
#include "core/edit.h"

#include <optional>
#include <string_view>

// What tells one composer program from another, apart from its window.
struct Program {
    std::string_view name;
    const Channel& channel;
    // The edit behind a push button of the program's dialog (EditKind::None for a key
    // without a meaning); nothing when `controlId` is no push button of the program.
    std::optional<Edit> (*buttonEdit)(int controlId);
};
