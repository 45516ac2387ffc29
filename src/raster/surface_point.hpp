// A point of a drawing surface. The drawing coordinates are doubles in
// pixels, X to the right and Y downward. A whole-number point (x, y) is the
// CENTRE of pixel (x, y); pixel (x, y) covers [x - 0.5, x + 0.5) x
// [y - 0.5, y + 0.5), so a shape centred on a whole-number point lies
// symmetrically around its pixel, and aliased shapes that round their
// centre to a whole pixel fall on the same pixel as anti-aliased ones.
#pragma once

namespace velkar::raster {

struct SurfacePoint {
  double x = 0;
  double y = 0;
};

}  // namespace velkar::raster
