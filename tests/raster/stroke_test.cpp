#include "raster/stroke.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "raster/pixels.hpp"

namespace velkar::raster {
namespace {

RasterImage White(int width, int height) {
  RasterImage image(width, height);
  for (int y = 0; y < height; ++y) FillSpan(image, 0, width - 1, y, OpaquePixel({255, 255, 255}));
  image.MarkDirty();
  return image;
}

bool SamePixels(const RasterImage& a, const RasterImage& b) {
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (!(a.Pixel(x, y) == b.Pixel(x, y))) return false;
  return true;
}

// A translucent line is blended once per pixel: a polyline that runs back
// over itself, or through a joint, looks like the single segment, where
// blending per segment would darken the overlap.
TEST(StrokePolyline, EveryPixelIsBlendedOnce) {
  const Argb half_blue{128, 0, 0, 255};
  const std::vector<SurfacePoint> once = {{5, 10.5}, {35, 10.5}};
  const std::vector<std::vector<SurfacePoint>> same_shapes = {
      {{5, 10.5}, {35, 10.5}, {5, 10.5}},               // there and back
      {{5, 10.5}, {20, 10.5}, {35, 10.5}},              // a straight joint
      {{5, 10.5}, {25, 10.5}, {15, 10.5}, {35, 10.5}},  // overlapping pieces
  };
  RasterImage reference = White(40, 20);
  StrokePolyline(reference, once, 3, half_blue);
  EXPECT_EQ(reference.Pixel(20, 10), (Argb{255, 127, 127, 255}));
  EXPECT_EQ(reference.Pixel(20, 14), (Argb{255, 255, 255, 255}));
  for (const auto& shape : same_shapes) {
    RasterImage image = White(40, 20);
    StrokePolyline(image, shape, 3, half_blue);
    EXPECT_TRUE(SamePixels(image, reference)) << shape.size() << " vertices";
  }
  // One stroke after another still blends twice.
  StrokePolyline(reference, once, 3, half_blue);
  EXPECT_EQ(reference.Pixel(20, 10), (Argb{255, 63, 63, 255}));
}

TEST(StrokePolyline, NothingWithoutWidthOrSegments) {
  const RasterImage blank = White(20, 20);
  const std::vector<SurfacePoint> line = {{2, 2}, {18, 18}};
  for (double width : {0.0, -1.0, std::numeric_limits<double>::quiet_NaN()}) {
    RasterImage image = White(20, 20);
    StrokePolyline(image, line, width, Argb{255, 0, 0, 0});
    EXPECT_TRUE(SamePixels(image, blank)) << width;
  }
  RasterImage single = White(20, 20);
  StrokePolyline(single, std::vector<SurfacePoint>{{10, 10}}, 4, Argb{255, 0, 0, 0});
  EXPECT_TRUE(SamePixels(single, blank));
  // Far off the image: clipped away, the image unchanged.
  RasterImage far = White(20, 20);
  StrokePolyline(far, std::vector<SurfacePoint>{{-500, -500}, {-100, 900}}, 4, Argb{255, 0, 0, 0});
  EXPECT_TRUE(SamePixels(far, blank));
}

}  // namespace
}  // namespace velkar::raster
