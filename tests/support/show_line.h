#pragma once

#include "core/program.h"
#include "replay/composer_driver.h"

#include <string>

// The line Show() gives (kShowLine) of a composer dialog whose number boxes `number` reads,
// by control id, with list item `region`, radio position `lengthIndex` and `output`.
template <class Number>
std::string ShowLine(const ComposerControlIds& ids, int region, Number number, int lengthIndex, const std::string& output)
{
    ComposerFields shown;
    shown.byteCount = number(ids.count);
    shown.byteBudget = number(ids.budget);
    for (std::size_t i = 0; i < shown.durations.size(); ++i)
        shown.durations[i] = number(ids.firstDuration + static_cast<int>(i));
    shown.durationTotal = number(ids.total);
    shown.lengthIndex = lengthIndex;
    return FormatShowLine(region, shown, output);
}
