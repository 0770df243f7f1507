#pragma once

#include "replay/composer_driver.h"
#include "replay/script_lines.h"

#include <functional>
#include <optional>
#include <string_view>

inline constexpr int kScriptOk = 0;
inline constexpr int kScriptPasteRefused = 1;
inline constexpr int kScriptBadInput = 2;

// A decimal integer, the whole word and nothing else.
std::optional<int> ParseNumber(std::string_view word);

// Where a script's run writes, a whole line with its '\n' at a time: what each "show"
// prints, and the report of a bad line or a refused paste.
struct ScriptOutput {
    std::function<void(std::string_view)> shown;
    std::function<void(std::string_view)> reported;
};

// Runs an action script, one action a line, against `driver`:
//   region N | length R | click ID | paste HEX... | show
// A word starting with '#' starts a comment that runs to the line's end; blank lines and
// comment lines are skipped. The words after "paste" together are the text pasted. The
// first bad line, or bytes that are no UTF-16 in a UTF-16 script, are reported with the line
// number and stop the run (kScriptBadInput); the lines before have taken effect. A refused
// paste changes nothing, as in the dialog: it is reported with its line number and the run
// goes on. The end of input gives kScriptPasteRefused after a refused paste, else kScriptOk.
int RunScript(ScriptLines& lines, const ScriptOutput& output, ComposerDriver& driver);
