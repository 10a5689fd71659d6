#pragma once
#include <QImage>

#include "core/picture.h"

namespace tarnwick {

// A picture as an opaque Qt image (Format_RGB32) and back.
QImage imageOf(const Picture& picture);
Picture pictureOf(const QImage& image);

}  // namespace tarnwick
