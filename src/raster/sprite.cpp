#include "raster/sprite.hpp"

#include <algorithm>
#include <cstddef>
#include <utility>

#include "raster/image_cache.hpp"
#include "raster/pixels.hpp"

namespace velkar::raster {

CoverageSprite RasteriseSprite(int origin, int side, const std::function<void(cairo_t*)>& fill) {
  CoverageSprite sprite;
  sprite.origin = origin;
  sprite.side = side;
  cairo_surface_t* mask = cairo_image_surface_create(CAIRO_FORMAT_A8, side, side);
  cairo_t* cr = cairo_create(mask);
  // The same half-pixel convention as the image.
  cairo_translate(cr, 0.5, 0.5);
  cairo_set_source_rgba(cr, 0, 0, 0, 1);
  fill(cr);
  cairo_destroy(cr);
  cairo_surface_flush(mask);
  const unsigned char* data = cairo_image_surface_get_data(mask);
  const int stride = cairo_image_surface_get_stride(mask);
  sprite.coverage.resize(static_cast<std::size_t>(side) * side);
  for (int y = 0; y < side; ++y)
    std::copy(data + y * stride, data + y * stride + side,
              sprite.coverage.begin() + static_cast<std::ptrdiff_t>(y) * side);
  cairo_surface_destroy(mask);
  return sprite;
}

const CoverageSprite* FindSprite(RasterImage& image, std::uint64_t key) {
  const auto& sprites = CacheOf(image).sprites;
  const auto it = sprites.find(key);
  return it == sprites.end() ? nullptr : &it->second;
}

const CoverageSprite& KeepSprite(RasterImage& image, std::uint64_t key, CoverageSprite sprite) {
  return CacheOf(image).sprites.insert_or_assign(key, std::move(sprite)).first->second;
}

void BlendSprite(RasterImage& image, const CoverageSprite& sprite, int x0, int y0, data::Rgb colour) {
  const int x_begin = std::max(0, -x0), x_end = std::min(sprite.side, image.width() - x0);
  const int y_begin = std::max(0, -y0), y_end = std::min(sprite.side, image.height() - y0);
  if (x_begin >= x_end || y_begin >= y_end) return;
  image.Flush();
  const PixelBlender blender(colour);
  for (int y = y_begin; y < y_end; ++y) {
    const std::uint8_t* cov = sprite.coverage.data() + static_cast<std::ptrdiff_t>(y) * sprite.side;
    std::uint32_t* row = image.Row(y0 + y) + x0;
    for (int x = x_begin; x < x_end; ++x) blender.Blend(row[x], cov[x]);
  }
  image.MarkDirty(x0 + x_begin, y0 + y_begin, x_end - x_begin, y_end - y_begin);
}

}  // namespace velkar::raster
