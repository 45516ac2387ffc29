// Coverage sprites: how much of each pixel of a small square box a shape
// covers (0..255), rasterised once for each shape, size and sub-pixel
// position and then laid onto images in any colour. A million symbols thus
// cost a million small blends instead of a million polygon fills.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "data/colour.hpp"
#include "raster/image.hpp"

namespace velkar::raster {

struct CoverageSprite {
  int origin = 0;  // pixels from the box's first pixel to the centre's pixel
  int side = 0;
  std::vector<std::uint8_t> coverage;  // side x side, row by row
};

// Rasterises a shape into a box of side x side pixels (side at least 1)
// whose centre's pixel is (origin, origin): fill gets a Cairo context on the
// box's coverage in the drawing coordinates (whole numbers are pixel
// centres) with an opaque source and fills the shape.
CoverageSprite RasteriseSprite(int origin, int side, const std::function<void(cairo_t*)>& fill);

// The sprite kept with the image under key, or null. The key names the
// shape, its size and its sub-pixel position whole; each family of shapes
// keeps its keys apart from the others'.
const CoverageSprite* FindSprite(RasterImage& image, std::uint64_t key);
// Keeps the sprite with the image under key and returns the kept one.
const CoverageSprite& KeepSprite(RasterImage& image, std::uint64_t key, CoverageSprite sprite);

// Lays the sprite onto the image with its box's first pixel at (x0, y0), in
// the opaque colour at the sprite's coverage; the part off the image is
// skipped.
void BlendSprite(RasterImage& image, const CoverageSprite& sprite, int x0, int y0, data::Rgb colour);

}  // namespace velkar::raster
