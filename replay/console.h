#pragma once

#include <cstdio>
#include <string_view>

// composer-replay's standard streams. Standard input gives its bytes as they are, standard
// output and error take UTF-8 text: a file or a pipe gets its bytes, and a console shows its
// characters, whatever the console's code page.

// Sets the standard streams up; before anything reads or writes them.
void OpenStandardStreams();

// Writes `text`, whole lines of it, to `stream`: stdout or stderr.
void WriteText(std::FILE* stream, std::string_view text);
