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
// of its catalogue): "region", then per entry a "click" with a "length" before it only where
// the radio position must change, then "show". Each click ends in a comment with the
// button's name ("click 1030  # C 2"). Bytes are two hex digits each, in either case,
// optionally separated by whitespace.
//
// The clicks are found by trying the program's own editing on each entry: first at the radio
// position already checked, then at the other positions from 0 up; at each, "休", the keys
// from left to right and the end button in that order. The first that writes the next bytes
// is taken: where clicks could differ, that order is the choice.
std::variant<std::string, DecodeError> DecodeToScript(const Program& program, int region, std::string_view hex);
