#include "replay/script_lines.h"

#include "core/output_text.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <string_view>
#include <utility>

namespace {

// A Unicode character other than a surrogate, as UTF-8. (The standard library's converters
// follow the C locale, or are deprecated.)
void AppendUtf8(std::string& text, long character)
{
    static constexpr unsigned char kLead[] = {0x00, 0xC0, 0xE0, 0xF0};
    const int trailing = character < 0x80 ? 0 : character < 0x800 ? 1 : character < 0x10000 ? 2 : 3;
    // The sanitizer's checks.
    text += static_cast<char>(kLead[trailing] | character >> 6 * trailing);  // GCOVR_EXCL_BR_LINE
    for (int shift = 6 * (trailing - 1); shift >= 0; shift -= 6)
        text += static_cast<char>(0x80 | (character >> shift & 0x3F));  // GCOVR_EXCL_BR_LINE: the sanitizer's checks
}

// A half of a surrogate pair, as a fault names it: which half, its value and where it stands.
std::string UnitAt(long unit, std::size_t offset)
{
    const std::string hex = HexByte(static_cast<int>(unit >> 8)) + HexByte(static_cast<int>(unit & 0xFF));
    return "UTF-16 " + std::string(unit < 0xDC00 ? "high" : "low") + " surrogate " + hex + " at byte "
           + std::to_string(offset);
}

}  // namespace

ScriptLines::ScriptLines(std::function<int()> nextByte) : nextByte_(std::move(nextByte))
{
    struct Mark {
        std::string_view bytes;
        Encoding encoding;
    };
    static constexpr Mark kMarks[] = {{"\xEF\xBB\xBF", Encoding::Utf8}, {"\xFF\xFE", Encoding::Utf16LittleEndian},
                                      {"\xFE\xFF", Encoding::Utf16BigEndian}};
    // Bytes are read while they may be the start of a mark; those that are none are the script's.
    for (;;) {
        const Mark* mark
            = std::ranges::find_if(kMarks, [this](const Mark& m) { return m.bytes.starts_with(heldBack_); });
        if (mark == std::end(kMarks))
            return;
        if (mark->bytes == heldBack_) {
            encoding_ = mark->encoding;
            offset_ = heldBack_.size();
            heldBack_.clear();
            return;
        }
        const int byte = nextByte_();
        if (byte == EOF)
            return;
        heldBack_ += static_cast<char>(byte);
    }
}

int ScriptLines::NextByte()
{
    int byte = EOF;
    if (heldBack_.empty()) {
        byte = nextByte_();
    } else {
        byte = static_cast<unsigned char>(heldBack_.front());
        heldBack_.erase(0, 1);
    }
    if (byte != EOF)
        ++offset_;
    return byte;
}

long ScriptLines::NextUnit()
{
    const int first = NextByte();
    if (first == EOF)
        return EOF;
    const int second = NextByte();
    if (second == EOF) {
        fault_ = "UTF-16 of an odd number of bytes: byte " + std::to_string(offset_ - 1)
                 + ", the last, is half a character";
        return EOF;
    }
    return encoding_ == Encoding::Utf16LittleEndian ? second << 8 | first : first << 8 | second;
}

long ScriptLines::NextCharacter()
{
    const std::size_t offset = offset_;
    const long unit = NextUnit();
    const bool surrogate = (unit & 0xF800) == 0xD800;
    if (unit == EOF || !surrogate)
        return unit;
    if (unit >= 0xDC00) {
        fault_ = UnitAt(unit, offset) + " without a high surrogate before it";
        return EOF;
    }
    const long low = NextUnit();
    if (!fault_.empty())
        return EOF;
    if ((low & 0xFC00) != 0xDC00) {
        fault_ = UnitAt(unit, offset) + " without a low surrogate after it";
        return EOF;
    }
    return 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
}

bool ScriptLines::Next(std::string& line)
{
    line.clear();
    const bool utf16 = encoding_ != Encoding::Utf8;
    for (long c; (c = utf16 ? NextCharacter() : NextByte()) != EOF;) {
        if (c == '\n')
            return true;
        if (utf16)
            AppendUtf8(line, c);
        else
            line += static_cast<char>(c);
    }
    return !line.empty() && fault_.empty();
}
