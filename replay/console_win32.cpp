// The standard streams on Windows, where a console shows the bytes written to it in its code
// page, and the C library takes CR LF and 1A in text for a line end and the end of a file.
#include "replay/console.h"

#include "framework/win32/text.h"

#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <string>

void OpenStandardStreams()
{
    // A script's bytes as they are: UTF-16 holds 0D 0A and 1A inside its characters.
    _setmode(_fileno(stdin), _O_BINARY);
}

void WriteText(std::FILE* stream, std::string_view text)
{
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    DWORD mode = 0;
    if (!GetConsoleMode(handle, &mode)) {
        // A file or a pipe: UTF-8 bytes, lines ending in CR LF as Windows' text files do.
        std::fwrite(text.data(), 1, text.size(), stream);
        return;
    }
    // A console shows characters as UTF-16, a line at a time: older consoles refuse one
    // write of some tens of kilobytes.
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size() - 1) + 1;
        const std::wstring wide = detail::ToNative(text.substr(start, end - start));
        DWORD written = 0;
        WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
        start = end;
    }
}
