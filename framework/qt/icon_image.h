#pragma once

#include <QImage>

#include <vector>

namespace detail {

// The images of icon resource `id` of the module whose resources are set: the files the
// build put in the toolkit's resource system under :/<module>/<id>/ (one image each, e.g.
// 32 x 32 and 16 x 16); none when there is no such icon.
std::vector<QImage> IconImages(int id);

// The image of the icon at `size` x `size` pixels: its own image of that size, else one
// enlarged by whole pixels from the largest image whose size divides `size`, so that the
// drawing stays crisp; a null image when there is neither.
QImage IconImageOfSize(const std::vector<QImage>& images, int size);

}  // namespace detail
