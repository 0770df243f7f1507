#pragma once

#include <cstdio>
#include <string_view>

// composer-replay's standard streams. Standard input gives its bytes as they are, standard
// output and error take UTF-8 text.

// Sets the standard streams up; before anything reads or writes them.
void OpenStandardStreams();

// Writes `text`, whole lines of it, to `stream`: stdout or stderr.
void WriteText(std::FILE* stream, std::string_view text);
