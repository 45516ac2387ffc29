// Colours as premultiplied pixels and as Cairo sources, and the direct pixel
// writes that aliased shapes and coverage blends are built from. Positions
// are pixel columns and rows; writes off the image are skipped. Callers
// flush the image before writing directly and mark it dirty after.
#pragma once

#include <cairo.h>

#include <algorithm>
#include <cstdint>

#include "data/colour.hpp"
#include "raster/image.hpp"

namespace velkar::raster {

// The opaque premultiplied pixel of a colour, 0xffRRGGBB.
constexpr std::uint32_t OpaquePixel(data::Rgb c) {
  return 0xff000000u | (std::uint32_t{c.red} << 16) | (std::uint32_t{c.green} << 8) | c.blue;
}

inline void PutPixel(RasterImage& image, int x, int y, std::uint32_t pixel) {
  if (x < 0 || y < 0 || x >= image.width() || y >= image.height()) return;
  image.Row(y)[x] = pixel;
}

// Pixels x0..x1 of row y, clipped to the image.
inline void FillSpan(RasterImage& image, int x0, int x1, int y, std::uint32_t pixel) {
  if (y < 0 || y >= image.height()) return;
  x0 = std::max(x0, 0);
  x1 = std::min(x1, image.width() - 1);
  if (x0 > x1) return;
  std::fill(image.Row(y) + x0, image.Row(y) + x1 + 1, pixel);
}

// Source-over of an opaque colour at coverage a (0..255) onto premultiplied
// pixels, two channels at a time in 16-bit lanes; (x + 128 + ((x + 128) >>
// 8)) >> 8 is x / 255 rounded, exact for the products of two bytes.
class PixelBlender {
 public:
  explicit PixelBlender(data::Rgb colour)
      : src_(OpaquePixel(colour)), src_rb_(src_ & 0x00ff00ffu), src_ag_((src_ >> 8) & 0x00ff00ffu) {}

  void Blend(std::uint32_t& pixel, std::uint32_t a) const {
    if (a == 0) return;
    if (a >= 255) {
      pixel = src_;
      return;
    }
    pixel = Over(pixel, a);
  }

  // The pixel with the colour laid over it at coverage a (0..255), without
  // a branch: a = 0 gives the pixel and 255 the colour, bit for bit, as the
  // rounded division is exact there too.
  std::uint32_t Over(std::uint32_t pixel, std::uint32_t a) const {
    return Mix(src_rb_, pixel & 0x00ff00ffu, a) | (Mix(src_ag_, (pixel >> 8) & 0x00ff00ffu, a) << 8);
  }

 private:
  static std::uint32_t Mix(std::uint32_t s, std::uint32_t d, std::uint32_t a) {
    const std::uint32_t x = s * a + d * (255 - a) + 0x00800080u;
    return ((x + ((x >> 8) & 0x00ff00ffu)) >> 8) & 0x00ff00ffu;
  }

  std::uint32_t src_, src_rb_, src_ag_;
};

// The colour as the source of a Cairo context.
inline void SetSourceColour(cairo_t* cr, Argb c) {
  cairo_set_source_rgba(cr, c.red / 255.0, c.green / 255.0, c.blue / 255.0, c.alpha / 255.0);
}
inline void SetSourceColour(cairo_t* cr, data::Rgb c) {
  cairo_set_source_rgb(cr, c.red / 255.0, c.green / 255.0, c.blue / 255.0);
}

}  // namespace velkar::raster
