#include "raster/ellipse.hpp"

#include <algorithm>
#include <cstdint>

#include "raster/pixels.hpp"

namespace velkar::raster {

namespace {

// Plots the four mirror images of (x, y) about (xc, yc), or fills the two
// spans between them.
void PlotQuadrants(RasterImage& image, int xc, int yc, int x, int y, std::uint32_t pixel, bool filled) {
  if (filled) {
    FillSpan(image, xc - x, xc + x, yc - y, pixel);
    if (y != 0) FillSpan(image, xc - x, xc + x, yc + y, pixel);
    return;
  }
  PutPixel(image, xc + x, yc + y, pixel);
  PutPixel(image, xc - x, yc + y, pixel);
  PutPixel(image, xc + x, yc - y, pixel);
  PutPixel(image, xc - x, yc - y, pixel);
}

// The midpoint ellipse algorithm with whole-number centre and semi-axes,
// covering exactly the pixels (xc - rx .. xc + rx, yc - ry .. yc + ry). The
// decision variables are kept four times over so that they stay integers.
void DrawEllipsePixels(RasterImage& image, int xc, int yc, int rx, int ry, std::uint32_t pixel, bool filled) {
  const std::int64_t rx2 = std::int64_t{rx} * rx;
  const std::int64_t ry2 = std::int64_t{ry} * ry;
  std::int64_t x = 0;
  std::int64_t y = ry;
  std::int64_t dx = 0;
  std::int64_t dy = 2 * rx2 * y;
  // Region 1: the slope is below 1 in magnitude, x steps every time.
  std::int64_t p = 4 * ry2 - 4 * rx2 * ry + rx2;
  while (dx < dy) {
    PlotQuadrants(image, xc, yc, static_cast<int>(x), static_cast<int>(y), pixel, filled);
    ++x;
    dx += 2 * ry2;
    if (p < 0) {
      p += 4 * (dx + ry2);
    } else {
      --y;
      dy -= 2 * rx2;
      p += 4 * (dx - dy + ry2);
    }
  }
  // Region 2: y steps every time.
  p = ry2 * (2 * x + 1) * (2 * x + 1) + 4 * rx2 * (y - 1) * (y - 1) - 4 * rx2 * ry2;
  while (y >= 0) {
    PlotQuadrants(image, xc, yc, static_cast<int>(x), static_cast<int>(y), pixel, filled);
    --y;
    dy -= 2 * rx2;
    if (p > 0) {
      p += 4 * (rx2 - dy);
    } else {
      ++x;
      dx += 2 * ry2;
      p += 4 * (dx - dy + rx2);
    }
  }
  // A very flat ellipse leaves region 2 before x reaches rx: the centre row
  // runs on to the ends of the box. Circles end there already.
  for (; x < rx && !filled; ++x) PlotQuadrants(image, xc, yc, static_cast<int>(x), 0, pixel, false);
  if (x <= rx) PlotQuadrants(image, xc, yc, rx, 0, pixel, filled);
}

}  // namespace

void DrawAliasedEllipse(RasterImage& image, int xc, int yc, int rx, int ry, data::Rgb colour, bool filled) {
  rx = std::clamp(rx, 0, kMaxEllipseRadius);
  ry = std::clamp(ry, 0, kMaxEllipseRadius);
  const std::int64_t x = xc, y = yc;
  if (x + rx < 0 || x - rx >= image.width() || y + ry < 0 || y - ry >= image.height()) return;
  image.Flush();
  DrawEllipsePixels(image, xc, yc, rx, ry, OpaquePixel(colour), filled);
  image.MarkDirty(xc - rx, yc - ry, 2 * rx + 1, 2 * ry + 1);
}

}  // namespace velkar::raster
