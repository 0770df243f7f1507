#pragma once

#include "framework/dialog_template.h"
#include "framework/win_types.h"

// Dialog units turned into pixels, as the classic dialog manager does it: a quarter of the
// dialog font's average character width across, an eighth of its height down.

struct DialogBaseUnits {
    int x = 0;  // the average width of the letters A-Z and a-z, rounded
    int y = 0;  // the font's height
    bool operator==(const DialogBaseUnits&) const = default;  // GCOVR_EXCL_BR_LINE: the compiler's comparison
};

// number * numerator / denominator, rounded to the nearest integer with halves up, for
// the non-negative sizes and positions of a template.
int MulDiv(int number, int numerator, int denominator);

// Base units from the width of the 52-letter string "A..Za..z" and the font's height.
DialogBaseUnits BaseUnitsFromFont(int alphabetWidth, int fontHeight);

// A control's rectangle in pixels: position and size each converted on their own.
CRect DialogRectToPixels(const DialogRect& units, DialogBaseUnits base);
