// What the drawing functions of the raster layer keep with one image between
// calls; only they include this header.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "raster/image.hpp"
#include "raster/sprite.hpp"

namespace velkar::raster {

// The pixels of one row of a segment that a stroke looks at, with the
// position along the segment at the first of them.
struct SegmentRow {
  int y;
  int first;
  int last;
  double t;
};

// Pixels x = first..last of row y that a stroke has reached.
struct StrokeSpan {
  int y;
  int first;
  int last;
};

// What a stroke keeps between calls, so that a thin polyline costs only the
// pixels along it.
struct StrokeScratch {
  // Per pixel the squared distance to the line being stroked, infinity
  // where it is not near; rows have kPadding more entries than the image
  // has pixels, which take the lanes of a group of four past its edge.
  static constexpr int kPadding = 3;
  std::vector<double> nearest2;
  // The rows of the segment being measured.
  std::vector<SegmentRow> rows;
  // The pixels to blend, runs of a row that overlap or touch merged.
  std::vector<StrokeSpan> spans;
  // Per image row the index of its latest span, -1 for none.
  std::vector<int> latest_span;
};

struct ImageCache {
  StrokeScratch stroke;
  // The coverage sprites rasterised so far, by their callers' keys.
  std::unordered_map<std::uint64_t, CoverageSprite> sprites;
};

// The image's cache, made on first use.
ImageCache& CacheOf(RasterImage& image);

}  // namespace velkar::raster
