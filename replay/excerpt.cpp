#include "replay/excerpt.h"

#include "core/output_text.h"

#include <cstddef>

std::string Excerpt(std::string_view word)
{
    constexpr std::size_t kShownBytes = 20;
    std::string shown;
    for (const char c : word.substr(0, kShownBytes)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= ' ' && byte <= '~')
            shown += c;
        else
            shown += "\\x" + HexByte(byte);
    }
    return word.size() > kShownBytes ? shown + "..." : shown;
}
