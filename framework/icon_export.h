#pragma once

#include "framework/win_types.h"

// Icon resources written out as files, for the desktop's icon theme and for a Windows
// resource script. Build tools call these; the programs themselves never do.

// Writes icon resource `id` as a PNG image `size` pixels square: the icon's own image of
// that size, or one enlarged by whole pixels where a smaller image divides `size`.
// FALSE when there is no such icon or the file cannot be written.
BOOL AfxSaveIconAsPng(int id, int size, const char* path);

// Writes icon resource `id` as a Windows icon file with each of its images in 16 colours
// (a palette of the image's own colours, transparency in the AND mask), largest first.
// FALSE when there is no such icon, an image has more than 16 colours, or the file cannot
// be written.
BOOL AfxSaveIconAsIco(int id, const char* path);
