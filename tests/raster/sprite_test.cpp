#include "raster/sprite.hpp"

#include <gtest/gtest.h>

#include <utility>

#include "raster/pixels.hpp"

namespace velkar::raster {
namespace {

// A unit square around the whole-number point (origin, origin) covers
// exactly the centre's pixel: the box keeps the image's half-pixel
// convention.
CoverageSprite CentrePixel() {
  return RasteriseSprite(2, 5, [](cairo_t* cr) {
    cairo_rectangle(cr, 1.5, 1.5, 1, 1);
    cairo_fill(cr);
  });
}

TEST(CoverageSprite, BoxKeepsThePixelCentreConvention) {
  const CoverageSprite sprite = CentrePixel();
  ASSERT_EQ(sprite.side, 5);
  ASSERT_EQ(sprite.coverage.size(), 25u);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_EQ(sprite.coverage[y * 5 + x], x == 2 && y == 2 ? 255 : 0) << x << "," << y;
}

TEST(CoverageSprite, KeptWithTheImageByKey) {
  RasterImage image(4, 4);
  EXPECT_EQ(FindSprite(image, 7), nullptr);
  const CoverageSprite& kept = KeepSprite(image, 7, CentrePixel());
  EXPECT_EQ(FindSprite(image, 7), &kept);
  EXPECT_EQ(FindSprite(image, 8), nullptr);
  // The sprites move with the image.
  RasterImage moved(std::move(image));
  ASSERT_NE(FindSprite(moved, 7), nullptr);
  EXPECT_EQ(FindSprite(moved, 7)->coverage, CentrePixel().coverage);
}

// Coverage blends the colour over what is there; the part of the box off
// the image is skipped.
TEST(CoverageSprite, BlendsInAnyColourClippedToTheImage) {
  CoverageSprite sprite{1, 3, {0, 255, 0, 128, 255, 128, 0, 255, 0}};  // a plus, half-covered arms
  RasterImage image(4, 4);
  for (int y = 0; y < 4; ++y) FillSpan(image, 0, 3, y, OpaquePixel({255, 255, 255}));
  image.MarkDirty();
  BlendSprite(image, sprite, -1, -1, {0, 0, 0});  // centre on pixel (0, 0)
  EXPECT_EQ(image.Pixel(0, 0), Argb::Opaque({0, 0, 0}));
  EXPECT_EQ(image.Pixel(1, 0), Argb::Opaque({127, 127, 127}));
  EXPECT_EQ(image.Pixel(0, 1), Argb::Opaque({0, 0, 0}));
  EXPECT_EQ(image.Pixel(1, 1), Argb::Opaque({255, 255, 255}));
  BlendSprite(image, sprite, 3, 3, {0, 0, 0});  // the box's first pixel on the last one
  EXPECT_EQ(image.Pixel(3, 3), Argb::Opaque({255, 255, 255}));
  BlendSprite(image, sprite, 50, -50, {0, 0, 0});
  EXPECT_EQ(image.Pixel(3, 0), Argb::Opaque({255, 255, 255}));
}

}  // namespace
}  // namespace velkar::raster
