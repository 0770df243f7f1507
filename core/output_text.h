#pragma once

#include <string>
#include <string_view>

inline constexpr std::string_view kEndMarkerByte = "00";

// Two uppercase hex digits of a byte value 0..255.
std::string HexByte(int value);

// Removes the last `bytes` bytes (two characters each), or all there are.
void DropLastBytes(std::string& text, int bytes);
