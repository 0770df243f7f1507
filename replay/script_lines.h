#pragma once

#include <cstddef>
#include <functional>
#include <string>

// The lines of an action script, read from its bytes one at a time. A line ends at LF; a CR
// before it stays in the line, where it is white space.
class ScriptLines {
public:
    // `nextByte` gives the script's next byte (0 to 255), or EOF after its last.
    explicit ScriptLines(std::function<int()> nextByte);

    // The next line, without its LF, into `line`; false after the last line.
    bool Next(std::string& line);

private:
    std::function<int()> nextByte_;
};
