#pragma once

#include "replay/composer_driver.h"

#include <iosfwd>

inline constexpr int kScriptOk = 0;
inline constexpr int kScriptBadInput = 2;

// Runs an action script, one action a line, against `driver`:
//   region N | length R | click ID | show
// Blank lines and lines starting with '#' are skipped. `show` lines go to `out`. The first
// bad line is reported on `err` with its line number and stops the run (kScriptBadInput);
// the lines before it have taken effect. The end of input gives kScriptOk.
int RunScript(std::istream& in, std::ostream& out, std::ostream& err, ComposerDriver& driver);
