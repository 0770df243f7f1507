#pragma once

#include "framework/win_types.h"

#include <QImage>

// What an icon handle points to: the icon's images at the standard and the small size.
struct IconObject {
    QImage standard;  // SM_CXICON x SM_CYICON
    QImage small;     // SM_CXSMICON x SM_CYSMICON
};

namespace detail {

// The icon of icon resource `id`, loaded once and kept for the process; nullptr when the
// program has no such icon.
HICON LoadIconResource(int id);

}  // namespace detail
