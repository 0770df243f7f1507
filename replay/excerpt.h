#pragma once

#include <string>
#include <string_view>

// What an error message shows of a word it refuses, so that neither a huge word nor a
// terminal's control sequences come back whole: its first bytes, each outside printable
// ASCII as \xNN, and "..." when there were more.
std::string Excerpt(std::string_view word);
