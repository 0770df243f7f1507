#pragma once

#include "framework/win_types.h"

// Icon resources written out as files, for the desktop's icon theme. Build tools call it;
// the programs themselves never do.

// Writes icon resource `id` as a PNG image `size` pixels square: the icon's own image of
// that size, or one enlarged by whole pixels where a smaller image divides `size`.
// FALSE when there is no such icon or the file cannot be written.
BOOL AfxSaveIconAsPng(int id, int size, const char* path);

