#pragma once

#include "framework/dialog_template.h"
#include "framework/dialog_units.h"
#include "framework/win_types.h"

// Dialog units turned into pixels, as the classic dialog manager does it.

// number * numerator / denominator, rounded to the nearest integer with halves up, for
// the non-negative sizes and positions of a template.
int MulDiv(int number, int numerator, int denominator);

// Base units from the width of the 52-letter string "A..Za..z" and the font's height.
DialogBaseUnits BaseUnitsFromFont(int alphabetWidth, int fontHeight);

// A control's rectangle in pixels: position and size each converted on their own.
CRect DialogRectToPixels(const DialogRect& units, DialogBaseUnits base);
