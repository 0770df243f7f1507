#include "framework/dialog_units.h"

#include <cstdint>

int MulDiv(int number, int numerator, int denominator)
{
    if (denominator == 0)
        return -1;
    const std::int64_t product = static_cast<std::int64_t>(number) * numerator;
    const std::int64_t divisor = denominator < 0 ? -denominator : denominator;
    const std::int64_t dividend = denominator < 0 ? -product : product;
    const std::int64_t half = divisor / 2;
    const std::int64_t rounded =
        dividend >= 0 ? (dividend + half) / divisor : -((-dividend + half) / divisor);
    return static_cast<int>(rounded);
}

DialogBaseUnits BaseUnitsFromFont(int alphabetWidth, int fontHeight)
{
    // The average over the 52 letters, rounded half up.
    return {(alphabetWidth / 26 + 1) / 2, fontHeight};
}

CRect DialogRectToPixels(const DialogRect& units, DialogBaseUnits base)
{
    const int left = MulDiv(units.x, base.x, 4);
    const int top = MulDiv(units.y, base.y, 8);
    return {left, top, left + MulDiv(units.cx, base.x, 4), top + MulDiv(units.cy, base.y, 8)};
}
