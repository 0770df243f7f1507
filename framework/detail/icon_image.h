#pragma once

#include "framework/resources.h"

#include <QImage>

namespace detail {

// The image of `icon` at `size` x `size` pixels: its own image of that size; else one
// enlarged by whole pixels from the largest image whose size divides `size`, so that the
// drawing stays crisp; else the largest image scaled smoothly. A null image when the icon
// has no images.
QImage IconImageOfSize(const IconResource& icon, int size);

}  // namespace detail
