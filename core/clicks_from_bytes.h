#pragma once

#include "core/composer_state.h"
#include "core/edit.h"
#include "core/program.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// A push button clicked with a radio position checked.
struct ButtonClick {
    int position;   // the one it needs; an end marker's is the one already checked
    int controlId;
    Edit edit;      // what the button stands for

    bool operator==(const ButtonClick&) const = default;  // GCOVR_EXCL_BR_LINE: the compiler's comparison
};

// Why some text cannot be entered as bytes.
enum class BytesFault {
    NoBytes,           // nothing but whitespace
    NoHexDigit,        // a character that is no hex digit
    HalfByte,          // a byte of one digit
    TooManyEntries,    // more entries than the history holds
    EndsInsideEntry,   // the text ends with the start of what a click writes
    EndMarkerRefused,  // "00" where the end marker is refused
    NoLengthByte,      // a note byte that needs a length byte before it
    NoClickWrites,     // a byte that no click writes there
};

struct BytesRefusal {
    BytesFault fault;
    std::size_t offset;  // of the bad byte in the text, counted from 0
    std::string found;   // the character that is no hex digit, or the bad byte's two digits

    bool operator==(const BytesRefusal&) const = default;
};

// Where several clicks would write the same bytes, the one taken; composer-replay's
// --help prints this.
inline constexpr std::string_view kClickOrder =
    "Each entry is the first click that writes its bytes, tried at the radio\n"
    "position already checked, then at the others from 0 up; at each, the rest\n"
    "button first, then the keys from left to right, then the end button.\n";

// Reads `text` as the dialog writes bytes (two hex digits each, in either case, whitespace
// allowed between bytes) and enters them into `state` as the clicks that write them after
// what it holds, the first tried at radio position state.fields.lengthIndex: each click,
// taken in the order kClickOrder states, is applied as the dialog applies it, with its
// radio position checked. The first entry may also carry the bytes it would write at the
// start of a composition, as text copied out of an output box does: in the length-change
// voice, a length byte that the newest entry has set already is then not written again.
//
// `state`'s current region is an entry of the program's catalogue. Returns the clicks, none
// for a text without bytes; or why the text cannot be entered, `state` then holding the
// clicks before the bad byte.
std::variant<std::vector<ButtonClick>, BytesRefusal> EnterBytes(const Program& program, ComposerState& state,
                                                                std::string_view text);
