#include "raster/stroke.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>
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

// FNV-1a of the premultiplied pixels, row by row.
std::uint64_t PixelHash(RasterImage& image) {
  image.Flush();
  std::uint64_t hash = 14695981039346656037u;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) hash = (hash ^ image.Row(y)[x]) * 1099511628211u;
  return hash;
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

// Diagonal, level and steep lines, joints, segments shorter than a pixel
// and a line past both sides, in widths from hairline to thick and two
// opacities, laid one over the other: the hash is that of the pixels the
// stroke has always drawn, so that no change to it moves a single pixel
// unnoticed.
TEST(StrokePolyline, PixelsStayAsTheyWere) {
  const std::vector<std::vector<SurfacePoint>> lines = {
      {{3.3, 4.7}, {60.1, 40.2}},
      {{2, 24.5}, {61.5, 24.5}},
      {{31.25, 1}, {31.75, 46}},
      {{5, 40}, {20, 10}, {35, 38}, {50, 12}, {62, 30}},
      {{10.2, 10.1}, {10.9, 10.4}, {11.1, 11.3}, {12, 11.9}},
      {{-10, 30}, {70, 35.6}},
  };
  const Argb colours[] = {{255, 200, 30, 40}, {120, 10, 90, 220}};
  RasterImage image = White(64, 48);
  int i = 0;
  for (const auto& line : lines)
    for (double width : {0.3, 1.0, 1.5, 3.0, 6.5}) StrokePolyline(image, line, width, colours[i++ % 2]);
  EXPECT_EQ(PixelHash(image), 0x266428b8e0fbe92au);
}

// Where the image ends changes no pixel of a line: images cut through it,
// down to narrower than the groups of pixels the stroke works in, show
// what a large one shows there.
TEST(StrokePolyline, TheImageEdgeCutsWithoutChangingPixels) {
  const std::vector<SurfacePoint> line = {{1.2, 0.7}, {6.6, 9.4}, {2.1, 17.8}, {9.5, 21.25}};
  const Argb colour{200, 0, 90, 30};
  for (double width : {0.6, 2.5, 5.0}) {
    RasterImage large = White(40, 30);
    StrokePolyline(large, line, width, colour);
    for (auto [w, h] : {std::pair{1, 1}, {2, 5}, {3, 30}, {4, 7}, {5, 18}, {7, 19}, {9, 22}, {40, 2}}) {
      RasterImage cut = White(w, h);
      StrokePolyline(cut, line, width, colour);
      for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
          ASSERT_EQ(cut.Pixel(x, y), large.Pixel(x, y)) << width << " on " << w << " x " << h << " at " << x << ", " << y;
    }
  }
}

// A stroke draws the same after other strokes of the image as on a fresh
// image with the same pixels: nothing of a wider line before it lingers.
TEST(StrokePolyline, EarlierStrokesLeaveNothingBehind) {
  const std::vector<SurfacePoint> wide = {{4, 30}, {30, 4}, {56, 30}};
  const std::vector<SurfacePoint> thin = {{2, 20.5}, {58, 22}};
  RasterImage drawn = White(60, 34);
  StrokePolyline(drawn, wide, 9, Argb{255, 0, 0, 0});
  drawn.Flush();
  RasterImage fresh = White(60, 34);
  fresh.Flush();
  for (int y = 0; y < drawn.height(); ++y)
    for (int x = 0; x < drawn.width(); ++x) fresh.Row(y)[x] = drawn.Row(y)[x];
  fresh.MarkDirty();
  StrokePolyline(drawn, thin, 1, Argb{160, 255, 0, 0});
  StrokePolyline(fresh, thin, 1, Argb{160, 255, 0, 0});
  EXPECT_TRUE(SamePixels(drawn, fresh));
}

TEST(StrokePolyline, NothingWithoutWidthOrSegments) {
  const RasterImage blank = White(20, 20);
  const std::vector<SurfacePoint> line = {{2, 2}, {18, 18}};
  for (double width : {0.0, -1.0, std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
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
