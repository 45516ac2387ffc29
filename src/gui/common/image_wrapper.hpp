// The engine's raster pictures in Qt. Both sides keep premultiplied ARGB32
// in native byte order, so a picture is shown without converting it.
#pragma once

#include <QImage>
#include <QPixmap>

#include "raster/image.hpp"

namespace velkar::gui {

// A view of the picture's pixels, valid while the picture lives unchanged in
// size; call Flush() on the picture first when Cairo drew into it.
inline QImage WrapImage(const raster::RasterImage& image) {
  return QImage(image.data(), image.width(), image.height(), image.stride(), QImage::Format_ARGB32_Premultiplied);
}

// A copy of the picture that outlives it (for labels and icons).
inline QPixmap PixmapOf(const raster::RasterImage& image) { return QPixmap::fromImage(WrapImage(image).copy()); }

}  // namespace velkar::gui
