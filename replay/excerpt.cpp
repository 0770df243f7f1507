#include "replay/excerpt.h"

#include "core/output_text.h"

#include <cstddef>

std::string Excerpt(std::string_view word)
{
    constexpr std::size_t kShownBytes = 20;
    std::string shown;
    for (const char c : word.substr(0, kShownBytes)) {
        const auto byte = static_cast<unsigned char>(c);
        shown += byte >= ' ' && byte <= '~' ? std::string(1, c) : "\\x" + HexByte(byte);
    }
    return word.size() > kShownBytes ? shown + "..." : shown;
}
