#pragma once

#include "core/program.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

// Why some bytes cannot come out of a region, and where.
struct DecodeError {
    std::size_t offset;  // of the first bad byte, counted from 0
    std::string reason;
};

// The shortest action script that makes `program` write `hex` in region `region` (an entry
// of its catalogue) from a fresh dialog: "region", then per entry a "click" with a "length"
// before it only where the radio position must change, then "show". Each click ends in a
// comment with the button's name ("click 1030  # C 2"). The clicks are those EnterBytes
// (core/clicks_from_bytes.h) finds.
std::variant<std::string, DecodeError> DecodeToScript(const Program& program, int region, std::string_view hex);
