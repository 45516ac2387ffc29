// Aliased ellipses with whole-number centre and semi-axes, written straight
// into the pixels: the cheapest marks (circle symbols) and exact discs.
#pragma once

#include "data/colour.hpp"
#include "raster/image.hpp"

namespace velkar::raster {

// Semi-axes are held to 0..kMaxEllipseRadius, which keeps the ellipse
// arithmetic within 64 bits.
inline constexpr int kMaxEllipseRadius = 16384;

// The midpoint ellipse around pixel (xc, yc) with semi-axes rx and ry,
// covering exactly the pixels (xc - rx .. xc + rx, yc - ry .. yc + ry): the
// outline pixels and, when filled, the spans between them get the opaque
// colour. Semi-axes 0 give the single pixel (xc, yc); pixels off the image
// are skipped.
void DrawAliasedEllipse(RasterImage& image, int xc, int yc, int rx, int ry, data::Rgb colour, bool filled);

}  // namespace velkar::raster
