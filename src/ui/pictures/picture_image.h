// Our pictures seen by Qt: a QImage over the same pixels (no copy), and back.
#pragma once

#include <QImage>

#include "platform/picture.h"

namespace tarnel {

// A read-only view of the picture's pixels: valid while the picture lives and is not changed.
// Painting it into another image is fine; changing the view detaches it into its own copy.
QImage PictureImage(const Picture& picture);
Picture PictureFromImage(const QImage& image);

}  // namespace tarnel
