#include "replay/composer_driver.h"

#include <sstream>

std::string FormatShowLine(int region, const ComposerFields& shown, const std::string& output)
{
    std::ostringstream line;
    line << "region=" << region << " count=" << shown.byteCount << " budget=" << shown.byteBudget
         << " durations=";
    for (std::size_t i = 0; i < shown.durations.size(); ++i)
        line << (i ? "," : "") << shown.durations[i];
    line << " total=" << shown.durationTotal << " length=" << shown.lengthIndex << " output=" << output;
    return line.str();
}
