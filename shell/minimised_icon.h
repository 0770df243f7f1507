#pragma once

#include "framework/cdc.h"
#include "framework/win_types.h"

// Where a minimised window draws its icon: centred in the client area, with the odd
// pixel dropped toward zero ((width - icon width + 1) / 2, and so down).
CPoint MinimisedIconOrigin(const CRect& client, CSize iconSize);

// Draws `icon` at MinimisedIconOrigin in `dc`.
void PaintMinimisedIcon(CDC& dc, const CRect& client, CSize iconSize, HICON icon);
