#pragma once

#include "framework/resources.h"

#include <QImage>

namespace detail {

// The image of `icon` at `size` x `size` pixels: its own image of that size, else one
// enlarged by whole pixels from the largest image whose size divides `size`, so that the
// drawing stays crisp; a null image when there is neither.
QImage IconImageOfSize(const IconResource& icon, int size);

}  // namespace detail
