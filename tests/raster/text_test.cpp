#include "raster/text.hpp"

#include <gtest/gtest.h>

#include <algorithm>

#include "raster/pixels.hpp"

namespace velkar::raster {
namespace {

bool IsDark(Argb p) { return p.alpha == 255 && std::max({p.red, p.green, p.blue}) < 100; }

TEST(Text, FontSizes) {
  EXPECT_EQ(FontPixelSize(12), 16);
  EXPECT_EQ(FontPixelSize(14), 19);
}

TEST(Text, TopLeftOfTheCellIsTheGivenPixel) {
  RasterImage image;
  for (int y = 0; y < image.height(); ++y) FillSpan(image, 0, image.width() - 1, y, OpaquePixel({255, 255, 255}));
  image.MarkDirty();
  DrawTextAt(image, "n = 57", 360, 470, 12, Argb{255, 0, 0, 0});
  int min_x = image.width(), min_y = image.height(), max_x = -1, max_y = -1;
  for (int y = 440; y < image.height(); ++y) {
    for (int x = 330; x < image.width(); ++x) {
      if (!IsDark(image.Pixel(x, y))) continue;
      min_x = std::min(min_x, x);
      min_y = std::min(min_y, y);
      max_x = std::max(max_x, x);
      max_y = std::max(max_y, y);
    }
  }
  // 16-pixel Arial: ascent about 14.5 pixels, digits about 11.5 high.
  EXPECT_GE(min_x, 360);
  EXPECT_LE(min_x, 363);
  EXPECT_GE(min_y, 470);
  EXPECT_LE(min_y, 476);
  EXPECT_GE(max_y, 482);
  EXPECT_LE(max_y, 485);
  EXPECT_GT(max_x, 390);  // six characters, about 40 pixels
}

}  // namespace
}  // namespace velkar::raster
