#include "shell/minimised_icon.h"

CPoint MinimisedIconOrigin(const CRect& client, CSize iconSize)
{
    return {(client.Width() - iconSize.cx + 1) / 2, (client.Height() - iconSize.cy + 1) / 2};
}

void PaintMinimisedIcon(CDC& dc, const CRect& client, CSize iconSize, HICON icon)
{
    const CPoint origin = MinimisedIconOrigin(client, iconSize);
    dc.DrawIcon(origin.x, origin.y, icon);
}
