// Anti-aliased strokes: open polylines of any width, as great circles,
// rose petals, fold profiles and trend lines draw them.
#pragma once

#include <span>

#include "raster/image.hpp"
#include "raster/surface_point.hpp"

namespace velkar::raster {

// An anti-aliased open polyline of the given width in pixels: the union of
// its segments grown by half the width on every side, so that ends and
// joins are round. A pixel's coverage comes from the distance of its centre
// to the nearest segment (a linear ramp one pixel wide across the edge,
// capped at the width for hairlines), and each pixel is blended once, in the
// colour at its alpha times the coverage, however many segments pass near
// it. The cost is that of the pixels along the line, not of its bounding
// box. A width of 0 or less, infinite or NaN draws nothing; the vertices
// must be finite.
void StrokePolyline(RasterImage& image, std::span<const SurfacePoint> vertices, double width, Argb colour);

}  // namespace velkar::raster
