// What the drawing functions of the raster layer keep with one image between
// calls; only they include this header.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "raster/image.hpp"
#include "raster/sprite.hpp"

namespace velkar::raster {

struct ImageCache {
  // Line scratch: per pixel the distance to the line being stroked
  // (infinity where it is not near), with the list of pixels touched, so
  // that a thin polyline costs only the pixels along it.
  std::vector<float> distance;
  std::vector<int> touched;
  // The coverage sprites rasterised so far, by their callers' keys.
  std::unordered_map<std::uint64_t, CoverageSprite> sprites;
};

// The image's cache, made on first use.
ImageCache& CacheOf(RasterImage& image);

}  // namespace velkar::raster
