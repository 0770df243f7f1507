#include "core/output_text.h"

#include <cstddef>

std::string HexByte(int value)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    return {kDigits[(value >> 4) & 0xF], kDigits[value & 0xF]};
}

void DropLastBytes(std::string& text, int bytes)
{
    const std::size_t chars = 2 * static_cast<std::size_t>(bytes);
    text.resize(text.size() > chars ? text.size() - chars : 0);
}
