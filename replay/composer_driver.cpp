#include "replay/composer_driver.h"

std::string FormatShowLine(int region, const ComposerFields& shown, const std::string& output)
{
    std::string line = "region=" + std::to_string(region) + " count=" + std::to_string(shown.byteCount)
                       + " budget=" + std::to_string(shown.byteBudget) + " durations=";
    for (std::size_t i = 0; i < shown.durations.size(); ++i)
        (line += i ? "," : "") += std::to_string(shown.durations[i]);
    line += " total=" + std::to_string(shown.durationTotal) + " length=" + std::to_string(shown.lengthIndex) + " output=";
    return line += output;
}
