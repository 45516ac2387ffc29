#include "raster/stroke.hpp"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>

#include "geometry/numbers.hpp"
#include "raster/image_cache.hpp"
#include "raster/pixels.hpp"

namespace velkar::raster {

void StrokePolyline(RasterImage& image, std::span<const SurfacePoint> vertices, double width, Argb colour) {
  if (!(width > 0)) return;
  ImageCache& cache = CacheOf(image);
  const int w = image.width(), h = image.height();
  const std::size_t size = static_cast<std::size_t>(w) * static_cast<std::size_t>(h);
  if (cache.distance.size() != size) cache.distance.assign(size, std::numeric_limits<float>::infinity());
  cache.touched.clear();
  const double half = width / 2;
  const double reach = half + 0.5;
  const double reach2 = reach * reach;
  for (std::size_t i = 0; i + 1 < vertices.size(); ++i) {
    const SurfacePoint a = vertices[i], b = vertices[i + 1];
    const int x0 = std::max(0, static_cast<int>(std::floor(std::min(a.x, b.x) - reach)));
    const int x1 = std::min(w - 1, static_cast<int>(std::ceil(std::max(a.x, b.x) + reach)));
    const int y0 = std::max(0, static_cast<int>(std::floor(std::min(a.y, b.y) - reach)));
    const int y1 = std::min(h - 1, static_cast<int>(std::ceil(std::max(a.y, b.y) + reach)));
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    const double inverse_length2 = length2 > 0 ? 1 / length2 : 0;
    const double reach_across = std::fabs(dy) > 1e-9 ? reach * std::sqrt(length2) / std::fabs(dy) : 0;
    for (int y = y0; y <= y1; ++y) {
      // On this row only the pixels within reach of the segment's line can
      // be near the segment.
      int xs = x0, xe = x1;
      if (reach_across > 0) {
        const double xc = a.x + (y - a.y) * dx / dy;
        xs = std::max(x0, static_cast<int>(std::floor(xc - reach_across)));
        xe = std::min(x1, static_cast<int>(std::ceil(xc + reach_across)));
      }
      // Distance from the pixel centre (x, y) to the segment, with the
      // position t along it stepping by dt from pixel to pixel.
      const double dt = dx * inverse_length2;
      double t = ((xs - a.x) * dx + (y - a.y) * dy) * inverse_length2;
      float* row_distance = cache.distance.data() + static_cast<std::ptrdiff_t>(y) * w;
      for (int x = xs; x <= xe; ++x, t += dt) {
        const double tc = std::clamp(t, 0.0, 1.0);
        const double ex = x - (a.x + tc * dx), ey = y - (a.y + tc * dy);
        const double d2 = ex * ex + ey * ey;
        if (d2 >= reach2) continue;
        float& best = row_distance[x];
        if (std::isinf(best)) cache.touched.push_back(y << 16 | x);  // sides are below 32768
        best = std::min(best, static_cast<float>(std::sqrt(d2)));
      }
    }
  }
  if (cache.touched.empty()) return;
  image.Flush();
  const PixelBlender blender({colour.red, colour.green, colour.blue});
  const double peak = std::min(1.0, width);
  int left = w, top = h, right = -1, bottom = -1;
  for (int packed : cache.touched) {
    const int x = packed & 0xffff, y = packed >> 16;
    float& d = cache.distance[static_cast<std::size_t>(y) * static_cast<std::size_t>(w) + static_cast<std::size_t>(x)];
    const double coverage = std::clamp(std::min(reach - d, peak), 0.0, 1.0);
    d = std::numeric_limits<float>::infinity();
    blender.Blend(image.Row(y)[x], static_cast<std::uint32_t>(geometry::RoundHalfEven(coverage * colour.alpha)));
    left = std::min(left, x), right = std::max(right, x), top = std::min(top, y), bottom = std::max(bottom, y);
  }
  image.MarkDirty(left, top, right - left + 1, bottom - top + 1);
}

}  // namespace velkar::raster
