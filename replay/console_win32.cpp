// The standard streams on Windows, whose C library takes CR LF and 1A in text for a line end
// and the end of a file.
#include "replay/console.h"

#include <fcntl.h>
#include <io.h>

void OpenStandardStreams()
{
    // A script's bytes as they are: UTF-16 holds 0D 0A and 1A inside its characters.
    _setmode(_fileno(stdin), _O_BINARY);
}

void WriteText(std::FILE* stream, std::string_view text)
{
    std::fwrite(text.data(), 1, text.size(), stream);
}
