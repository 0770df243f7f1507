#pragma once

// One editing operation a button stands for.
enum class EditKind {
    None,       // a key without a meaning
    Event,      // a note, rest or sound; value is its event index or note byte
    Undo,       // "←"
    EndMarker,  // the end byte "00"
};

struct Edit {
    EditKind kind = EditKind::None;
    int value = 0;

    bool operator==(const Edit&) const = default;  // GCOVR_EXCL_BR_LINE: the compiler's comparison
};
