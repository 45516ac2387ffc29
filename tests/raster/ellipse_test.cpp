#include "raster/ellipse.hpp"

#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <utility>

namespace velkar::raster {
namespace {

using PixelSet = std::set<std::pair<int, int>>;

PixelSet DrawnPixels(const RasterImage& image) {
  PixelSet set;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.Pixel(x, y).alpha != 0) set.insert({x, y});
  return set;
}

// Unequal semi-axes (the circle symbols only ever use equal ones): the
// pixels fill exactly their box, mirror about the centre both ways, and the
// filled ellipse is the outline with every row closed between its ends.
TEST(AliasedEllipse, UnequalAxesFillTheirBoxSymmetrically) {
  struct Case {
    int rx, ry;
  };
  for (const Case c : {Case{7, 3}, Case{2, 9}, Case{12, 1}, Case{0, 4}, Case{5, 0}}) {
    RasterImage outline(40, 40), disc(40, 40);
    DrawAliasedEllipse(outline, 20, 19, c.rx, c.ry, {0, 0, 255}, false);
    DrawAliasedEllipse(disc, 20, 19, c.rx, c.ry, {0, 0, 255}, true);
    const PixelSet ring = DrawnPixels(outline), filled = DrawnPixels(disc);
    int left = 99, right = -1, top = 99, bottom = -1;
    for (auto [x, y] : ring) {
      left = std::min(left, x), right = std::max(right, x), top = std::min(top, y), bottom = std::max(bottom, y);
      EXPECT_TRUE(ring.count({40 - x, y}) && ring.count({x, 38 - y})) << c.rx << "x" << c.ry << " at " << x << "," << y;
      EXPECT_EQ(outline.Pixel(x, y), Argb::Opaque({0, 0, 255}));
    }
    EXPECT_EQ(left, 20 - c.rx) << c.rx << "x" << c.ry;
    EXPECT_EQ(right, 20 + c.rx) << c.rx << "x" << c.ry;
    EXPECT_EQ(top, 19 - c.ry) << c.rx << "x" << c.ry;
    EXPECT_EQ(bottom, 19 + c.ry) << c.rx << "x" << c.ry;
    PixelSet closed;
    for (int y = top; y <= bottom; ++y) {
      int lo = 99, hi = -1;
      for (auto [x, row] : ring)
        if (row == y) lo = std::min(lo, x), hi = std::max(hi, x);
      for (int x = lo; x <= hi; ++x) closed.insert({x, y});
    }
    EXPECT_EQ(filled, closed) << c.rx << "x" << c.ry;
  }
}

// Centres anywhere in int and radii above the limit are safe: what lies off
// the image is skipped, a radius is held to kMaxEllipseRadius.
TEST(AliasedEllipse, FarCentresAndHugeRadiiAreSafe) {
  RasterImage image(10, 10);
  DrawAliasedEllipse(image, INT_MAX, 5, 3, 3, {255, 0, 0}, true);
  DrawAliasedEllipse(image, INT_MIN, INT_MIN, kMaxEllipseRadius, 3, {255, 0, 0}, false);
  DrawAliasedEllipse(image, 5, INT_MAX - 1, 3, INT_MAX, {255, 0, 0}, false);
  EXPECT_TRUE(DrawnPixels(image).empty());
  DrawAliasedEllipse(image, 5, 5, INT_MAX, INT_MAX, {255, 0, 0}, true);
  EXPECT_EQ(DrawnPixels(image).size(), 100u);  // the huge disc covers the whole image
}

}  // namespace
}  // namespace velkar::raster
