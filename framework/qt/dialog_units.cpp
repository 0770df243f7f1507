#include "framework/qt/dialog_units.h"

int MulDiv(int number, int numerator, int denominator)
{
    return (number * numerator + denominator / 2) / denominator;  // GCOVR_EXCL_BR_LINE: the sanitizer's checks
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
