#include "replay/script_lines.h"

#include <cstdio>
#include <utility>

ScriptLines::ScriptLines(std::function<int()> nextByte) : nextByte_(std::move(nextByte)) {}

bool ScriptLines::Next(std::string& line)
{
    line.clear();
    for (int byte; (byte = nextByte_()) != EOF;) {
        if (byte == '\n')
            return true;
        line += static_cast<char>(byte);
    }
    return !line.empty();
}
