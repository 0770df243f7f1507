#pragma once

#include <cstddef>
#include <functional>
#include <string>

// The lines of an action script as UTF-8, read from its bytes one at a time. A script is
// UTF-8, with or without a byte-order mark (EF BB BF), or UTF-16 in the byte order of the
// mark it starts with (FF FE little endian, FE FF big endian), as Windows editors and
// PowerShell write it. A line ends at LF; a CR before it stays in the line, where it is white
// space. Other bytes pass as they are: UTF-8 need not be valid, but UTF-16 must be.
class ScriptLines {
public:
    // `nextByte` gives the script's next byte (0 to 255), or EOF after its last.
    explicit ScriptLines(std::function<int()> nextByte);

    // The next line, without its LF, into `line`; false after the last line, or where the
    // bytes are no UTF-16 (Fault() then says why).
    bool Next(std::string& line);
    // What cut the script short and where, or "" when nothing did.
    const std::string& Fault() const { return fault_; }

private:
    enum class Encoding { Utf8, Utf16LittleEndian, Utf16BigEndian };

    int NextByte();
    // The next UTF-16 code unit, or EOF at the end.
    long NextUnit();
    // The next character of UTF-16, or EOF at the end or a fault.
    long NextCharacter();

    std::function<int()> nextByte_;
    Encoding encoding_ = Encoding::Utf8;
    std::string heldBack_;  // bytes read to look for a byte-order mark that were none
    std::size_t offset_ = 0;  // of the next byte, from the first
    std::string fault_;
};
