// The standard streams where they carry bytes as they are, and a terminal takes UTF-8.
#include "replay/console.h"

void OpenStandardStreams() {}

void WriteText(std::FILE* stream, std::string_view text)
{
    std::fwrite(text.data(), 1, text.size(), stream);  // GCOVR_EXCL_BR_LINE: the sanitizer's checks
}
